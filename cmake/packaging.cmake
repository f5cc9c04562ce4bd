# Release packages, made by `cpack` in the build tree: natively a .deb and a .tar.gz with
# lotto739-cli, the library and its headers; from the MinGW-w64 build a .zip of the stripped
# Windows programs.
set(CPACK_PACKAGE_NAME lotto739)
set(CPACK_PACKAGE_VENDOR "The lotto739 developers")
set(CPACK_PACKAGE_CONTACT "The lotto739 developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
  # The programs and the documents only: the library is for native builds.
  set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};programs;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};docs;/")
else()
  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # installed under /usr
  set(CPACK_DEBIAN_PACKAGE_SECTION math)
  # The versions whose symbols the programs built on Debian 12 use (GLIBC_2.34, GLIBCXX_3.4.29).
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libstdc++6 (>= 11), libgcc-s1 (>= 3.0)")
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "lotto739-cli, and the filtering engine as a static C++20 \
library with its headers, CMake package configuration and pkg-config file.")
endif()

include(CPack)
