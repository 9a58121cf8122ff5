# What `cmake --install` puts where.
# Native: koyomi and its manual pages (English, and Japanese under ja), as a Unix tool.
# 32-bit Windows: the release folder the zip holds (CPack, `cpack` in the build tree;
# scripts/package makes the small release build of it): the four programs, the sample data
# and the Japanese guide as text and as a page with its pictures.
include(GNUInstallDirs)

if(NOT KOYOMI_WIN32)
  if(TARGET koyomi)
    install(TARGETS koyomi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_SOURCE_DIR}/tools/koyomi/koyomi.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    # The Japanese page beside it, where man finds it for a Japanese locale.
    install(FILES ${CMAKE_SOURCE_DIR}/tools/koyomi/koyomi.ja.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1 RENAME koyomi.1)
  endif()
  return()
endif()
if(KOYOMI_WIN64)
  return() # a build for the tests only, never shipped
endif()

foreach(target Koyomiru KmbTool koyomi koyomihost)
  install(FILES $<TARGET_FILE:${target}> DESTINATION .)
endforeach()
install(DIRECTORY ${KOYOMI_NATIVE_BUILD}/examples/ DESTINATION sample
        FILES_MATCHING PATTERN "*.kmb" PATTERN "*.kmd" PATTERN "chip.txt"
        PATTERN "CMakeFiles" EXCLUDE)

# The guide: Markdown in the sources, a page and a code page 932 text in the zip.
find_program(KOYOMI_CMARK cmark-gfm REQUIRED)
set(guide_md ${CMAKE_SOURCE_DIR}/docs/guide.md)
set(guide_dir ${CMAKE_BINARY_DIR}/guide)
set(convert ${CMAKE_SOURCE_DIR}/cmake/guide-convert.sh)
add_custom_command(
  OUTPUT ${guide_dir}/guide.html ${guide_dir}/guide.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${guide_dir}
  COMMAND sh ${convert} html ${guide_md} ${guide_dir}/guide.html ${KOYOMI_CMARK}
  COMMAND sh ${convert} text ${guide_md} ${guide_dir}/guide.txt
  DEPENDS ${guide_md} ${convert}
  COMMENT "The guide as a page and as code page 932 text"
  VERBATIM)
add_custom_target(guide ALL DEPENDS ${guide_dir}/guide.html ${guide_dir}/guide.txt)
install(FILES ${guide_dir}/guide.html ${guide_dir}/guide.txt DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/images DESTINATION . FILES_MATCHING PATTERN "*.png")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Koyomiru)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Koyomiru-${PROJECT_VERSION}-win32)
# One folder in the zip, named as the zip.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
