// Placeholder translation unit until the framework's classes land.
