/* winnt.h: the reasons a library's entry point is called with. */
#ifndef VKS_WINNT_H
#define VKS_WINNT_H

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#endif
