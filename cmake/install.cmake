# What `cmake --install` puts in place: the engine library with its public headers, the exported
# target lotto739::engine with a package configuration and version file (find_package(lotto739
# 1.0 CONFIG)), a pkg-config file, the programs that were built and the documents.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(lotto_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/lotto739)
if(WIN32)
  set(lotto_program_dir .) # next to README and LICENSE when the zip is unpacked
  set(lotto_doc_dir .)
else()
  set(lotto_program_dir ${CMAKE_INSTALL_BINDIR})
  set(lotto_doc_dir ${CMAKE_INSTALL_DOCDIR})
endif()

install(TARGETS lotto739_engine EXPORT lotto739Targets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT library
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/lotto739 COMPONENT library
)
install(EXPORT lotto739Targets NAMESPACE lotto739:: DESTINATION ${lotto_cmake_dir}
  COMPONENT library)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/lotto739Config.cmake.in
  ${PROJECT_BINARY_DIR}/lotto739Config.cmake INSTALL_DESTINATION ${lotto_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/lotto739ConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/lotto739Config.cmake
  ${PROJECT_BINARY_DIR}/lotto739ConfigVersion.cmake
  DESTINATION ${lotto_cmake_dir} COMPONENT library)

# The pkg-config file finds the prefix from its own place, so that the installed tree can move.
file(RELATIVE_PATH lotto_pc_up /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" lotto_pc_up ${lotto_pc_up})
set(lotto_pc_prefix "\${pcfiledir}/${lotto_pc_up}")
foreach(dir LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE ${CMAKE_INSTALL_${dir}})
    set(lotto_pc_${dir} ${CMAKE_INSTALL_${dir}})
  else()
    set(lotto_pc_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/lotto739.pc.in ${PROJECT_BINARY_DIR}/lotto739.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/lotto739.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT library)

foreach(program lotto739-cli lotto739)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${lotto_program_dir} COMPONENT programs)
  endif()
endforeach()
if(TARGET lotto739-cli-manual)
  install(FILES ${LOTTO_MANUAL}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT programs)
  install(FILES ${LOTTO_COMPLETION} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions
          RENAME lotto739-cli COMPONENT programs)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
  ${PROJECT_SOURCE_DIR}/CHANGELOG.md DESTINATION ${lotto_doc_dir} COMPONENT docs)
# The pages README.md links to, with the JSON Schemas of the outputs, beside it.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${lotto_doc_dir}/docs COMPONENT docs
  FILES_MATCHING PATTERN "*.md" PATTERN "*.json" PATTERN "*.svg")
# The library alone carries its licence too; a Debian package names it copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${lotto_doc_dir} COMPONENT library)
if(WIN32)
  # How to start the two programs, for whoever unpacks the zip; with Windows line ends.
  configure_file(${PROJECT_SOURCE_DIR}/docs/README-Windows.txt
    ${PROJECT_BINARY_DIR}/README-Windows.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${PROJECT_BINARY_DIR}/README-Windows.txt DESTINATION ${lotto_doc_dir}
    COMPONENT docs)
  # A double-click start of the page (lotto739-cli.exe serve), beside the programs.
  configure_file(${PROJECT_SOURCE_DIR}/web/lotto739-page.cmd ${PROJECT_BINARY_DIR}/lotto739-page.cmd
    @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${PROJECT_BINARY_DIR}/lotto739-page.cmd DESTINATION ${lotto_program_dir}
    COMPONENT programs)
else()
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${lotto_doc_dir} RENAME copyright
    COMPONENT docs)
  # The desktop's menu entry that starts the page (lotto739-cli serve in a terminal window), with
  # the page's icon.
  install(FILES ${PROJECT_SOURCE_DIR}/web/lotto739-page.desktop
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications COMPONENT programs)
  install(FILES ${PROJECT_SOURCE_DIR}/web/page/lotto739.svg
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps COMPONENT programs)
endif()
