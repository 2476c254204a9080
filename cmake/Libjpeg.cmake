# libjpeg for the target: Debian's libjpeg-turbo source (fetched by tools/bootstrap into
# third_party/) cross-built as a plain static library. Only the library target is built:
# its command-line tools and the TurboJPEG API are of no use to us and double the time.
# Defines the imported target hm_jpeg.
include(ExternalProject)

set(HM_JPEG_SOURCE ${CMAKE_SOURCE_DIR}/third_party/libjpeg-turbo)
if(NOT EXISTS ${HM_JPEG_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No libjpeg-turbo source in ${HM_JPEG_SOURCE}; run tools/bootstrap")
endif()

set(HM_JPEG_BINARY ${CMAKE_BINARY_DIR}/libjpeg-turbo)
set(HM_JPEG_PREFIX ${CMAKE_BINARY_DIR}/libjpeg)
set(HM_JPEG_LIBRARY ${HM_JPEG_PREFIX}/lib/libjpeg.a)
file(MAKE_DIRECTORY ${HM_JPEG_PREFIX}/include ${HM_JPEG_PREFIX}/lib)

ExternalProject_Add(libjpeg_build
  SOURCE_DIR ${HM_JPEG_SOURCE}
  BINARY_DIR ${HM_JPEG_BINARY}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${HM_JPEG_PREFIX}
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON
    -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF -DWITH_FUZZ=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${HM_JPEG_BINARY} --target jpeg-static
  INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_if_different
    ${HM_JPEG_BINARY}/libjpeg.a ${HM_JPEG_LIBRARY}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different
    ${HM_JPEG_BINARY}/jconfig.h ${HM_JPEG_SOURCE}/jpeglib.h ${HM_JPEG_SOURCE}/jmorecfg.h
    ${HM_JPEG_SOURCE}/jerror.h ${HM_JPEG_PREFIX}/include/
  BUILD_BYPRODUCTS ${HM_JPEG_LIBRARY}
  LOG_CONFIGURE ON LOG_BUILD ON LOG_OUTPUT_ON_FAILURE ON)

add_library(hm_jpeg STATIC IMPORTED GLOBAL)
set_target_properties(hm_jpeg PROPERTIES
  IMPORTED_LOCATION ${HM_JPEG_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${HM_JPEG_PREFIX}/include)
add_dependencies(hm_jpeg libjpeg_build)
