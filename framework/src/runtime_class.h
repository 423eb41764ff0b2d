// Run-time class records of the framework's own classes.
#pragma once

#include "afxobject.h"

// Like IMPLEMENT_DYNAMIC without the registration: the module class lists belong to the
// application and its extension modules, and the first extension module would otherwise claim
// the framework's classes as its own.
#define VKS_IMPLEMENT_FRAMEWORK_CLASS(class_name, base_class_name)                             \
    CRuntimeClass class_name::class##class_name = {#class_name,                                \
                                                   static_cast<int>(sizeof(class class_name)), \
                                                   0xFFFF,                                     \
                                                   NULL,                                       \
                                                   RUNTIME_CLASS(base_class_name),             \
                                                   NULL};                                      \
    CRuntimeClass *class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }
