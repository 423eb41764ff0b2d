# Every shared library of the project exports only what its headers mark, on Linux (built with
# hidden visibility) as a Windows DLL does; after each link the build lists its exports and
# holds them against its headers. The platform, which exists on Linux only, exports the Win32
# subset and the host controls its public headers declare.
if(NOT WIN32)
  file(GLOB VKS_PLATFORM_HEADERS ${PROJECT_SOURCE_DIR}/platform/include/*.h
       ${PROJECT_SOURCE_DIR}/platform/portable/*.h)
  vks_check_exports(vksplatform HEADERS ${VKS_PLATFORM_HEADERS})
endif()
file(GLOB VKS_FRAMEWORK_HEADERS ${PROJECT_SOURCE_DIR}/framework/include/*.h)
vks_check_exports(vksframework HEADERS ${VKS_FRAMEWORK_HEADERS}
                  MARKERS AFX_CORE_CLASS AFX_CORE_API AFX_CORE_DATA)
file(GLOB VKS_LIBRARY_HEADERS ${PROJECT_SOURCE_DIR}/src/*/*.h)
vks_check_exports(vksutil HEADERS ${VKS_LIBRARY_HEADERS}
                  MARKERS AFX_EXT_CLASS AFX_EXT_API AFX_EXT_DATA)
file(GLOB VKS_SERVC_HEADERS ${PROJECT_SOURCE_DIR}/peers/vksservc/include/*.h)
vks_check_exports(vksservc HEADERS ${VKS_SERVC_HEADERS} MARKERS VKSSERVC_API)
file(GLOB VKS_PRODUCT_HEADERS ${PROJECT_SOURCE_DIR}/peers/product/include/*.h)
vks_check_exports(product HEADERS ${VKS_PRODUCT_HEADERS} MARKERS PRODUCT_API)
file(GLOB VKS_LOG_HEADERS ${PROJECT_SOURCE_DIR}/peers/vkslog/include/*.h)
vks_check_exports(vkslog HEADERS ${VKS_LOG_HEADERS})
