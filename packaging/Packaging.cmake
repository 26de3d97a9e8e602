# Installation and packages: the install rules, the Debian package made by
# CPack, the macOS bundle settings and the package test. Included from the
# top-level CMakeLists.txt after the targets are defined.
include(GNUInstallDirs)

set(VORPEX_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0")
set(_vorpex_icon_sizes 16 32 48 64 128 256)

# The program is a GUI program everywhere: no console window on Windows, a
# bundle on macOS. Both come from qt_add_executable(vorpex WIN32 MACOSX_BUNDLE).
foreach(_property WIN32_EXECUTABLE MACOSX_BUNDLE)
  get_target_property(_value vorpex ${_property})
  if(NOT _value)
    message(FATAL_ERROR "The vorpex target must be built with ${_property} set")
  endif()
endforeach()

# --- Install rules -----------------------------------------------------------

install(TARGETS vorpex
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  BUNDLE DESTINATION .
)

if(UNIX AND NOT APPLE)
  # A stripped install (cmake --install --strip, and so the package) strips the
  # program as Debian strips its own (dh_strip): the compiler's .comment and
  # the .note section go with the symbols.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(
        COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:vorpex>\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorpex.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(_size IN LISTS _vorpex_icon_sizes)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/vorpex-${_size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
      RENAME vorpex.png)
  endforeach()
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorpex.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorpex
    RENAME copyright)

  # The manual page, dated as the change log's latest entry (YYYY-MM-DD).
  set(_changelog ${CMAKE_CURRENT_LIST_DIR}/changelog)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_changelog})
  file(STRINGS ${_changelog} _trailer REGEX "^ -- " LIMIT_COUNT 1)
  if(NOT _trailer MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "The change log's latest trailer line has no date: '${_trailer}'")
  endif()
  set(_day ${CMAKE_MATCH_1})
  set(_year ${CMAKE_MATCH_3})
  set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(FIND _months ${CMAKE_MATCH_2} _month)
  if(_month LESS 0)
    message(FATAL_ERROR "Unknown month in the change log's trailer line: '${_trailer}'")
  endif()
  math(EXPR _month "${_month} + 101")  # 101 to 112: the month is the last two digits
  string(SUBSTRING ${_month} 1 2 _month)
  set(VORPEX_MANUAL_DATE ${_year}-${_month}-${_day})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/vorpex.1.in ${PROJECT_BINARY_DIR}/vorpex.1 @ONLY)

  # The manual page and the package's change log, compressed as Debian wants
  # them (gzip -9, no name or time stamp in the header).
  find_program(VORPEX_GZIP gzip REQUIRED)
  set(_vorpex_compressed)
  foreach(_pair "${PROJECT_BINARY_DIR}/vorpex.1|vorpex.1.gz"
                "${_changelog}|changelog.gz")
    string(REPLACE "|" ";" _pair "${_pair}")
    list(GET _pair 0 _source)
    list(GET _pair 1 _output)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${_output}
      COMMAND sh -c "\"$1\" -9n -c \"$2\" > \"$3\"" sh
              ${VORPEX_GZIP} ${_source} ${PROJECT_BINARY_DIR}/${_output}
      DEPENDS ${_source}
      VERBATIM)
    list(APPEND _vorpex_compressed ${PROJECT_BINARY_DIR}/${_output})
  endforeach()
  add_custom_target(vorpex_package_docs ALL DEPENDS ${_vorpex_compressed})
  install(FILES ${PROJECT_BINARY_DIR}/vorpex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorpex)
endif()

# --- macOS bundle --------------------------------------------------------------

set_target_properties(vorpex PROPERTIES
  MACOSX_BUNDLE_BUNDLE_NAME Vorpex
  MACOSX_BUNDLE_BUNDLE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}"
  MACOSX_BUNDLE_SHORT_VERSION_STRING "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}"
  MACOSX_BUNDLE_LONG_VERSION_STRING "${VORPEX_PACKAGE_VERSION}"
  MACOSX_BUNDLE_COPYRIGHT "Copyright (c) 2026 the Vorpex developers"
  MACOSX_BUNDLE_ICON_FILE vorpex.icns
)
if(APPLE)
  # The bundle icon and the formula pictures go to Contents/Resources.
  set(_vorpex_bundle_resources
    ${CMAKE_CURRENT_LIST_DIR}/icons/vorpex.icns
    ${PROJECT_SOURCE_DIR}/resources/Vessx.png
    ${PROJECT_SOURCE_DIR}/resources/Vessx@2x.png
    ${PROJECT_SOURCE_DIR}/resources/bic.png
    ${PROJECT_SOURCE_DIR}/resources/bic@2x.png
  )
  set_source_files_properties(${_vorpex_bundle_resources}
    PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  target_sources(vorpex PRIVATE ${_vorpex_bundle_resources})
endif()

# --- Debian package --------------------------------------------------------------

set(CPACK_PACKAGE_NAME vorpex)
set(CPACK_PACKAGE_VENDOR "the Vorpex developers")
set(CPACK_PACKAGE_VERSION "${VORPEX_PACKAGE_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "calculator for choosing the number of classes of a mixture model")
set(CPACK_PACKAGE_DESCRIPTION
  "Vorpex computes BIC + 2 x (1 - entropy) x N x ln K from four figures that
the modelling software reports for one fitted latent class or latent profile
model: BIC, the entropy of the classification, the number of subjects N and
the number of classes K. Among competing models, the one with the smallest
value is the one to select.")
set(CPACK_PACKAGE_CONTACT "the Vorpex developers")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
endif()

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "the Vorpex developers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The shared libraries (Qt among them) come from dpkg-shlibdeps; the X11
# platform plugin is loaded at run time, so no linker dependency names it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")

set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/build-[^/]*/")
include(CPack)

# --- Package test ------------------------------------------------------------------

# Builds the .deb as the README does (a Release build of its own) and checks it
# without touching the system; installs it for real only when
# VORPEX_PACKAGE_INSTALL=1 is in the environment, and reports itself skipped
# (77) when it leaves an installed vorpex package alone (see test-deb.sh). It
# runs alone, so that its build does not slow the timed X server tests. A
# sanitizer build is not packaged. Added at the end of the top-level
# directory, where BUILD_TESTING is known.
function(_vorpex_add_package_test)
  if(BUILD_TESTING AND NOT VORPEX_SANITIZE AND UNIX AND NOT APPLE)
    add_test(NAME package_deb
      COMMAND bash ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/test-deb.sh
              ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR})
    set_tests_properties(package_deb PROPERTIES
      LABELS package
      RUN_SERIAL TRUE
      SKIP_RETURN_CODE 77
      TIMEOUT 600)
  endif()
endfunction()
cmake_language(DEFER CALL _vorpex_add_package_test)
