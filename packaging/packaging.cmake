# Installation, desktop integration and the Debian package.
# Data files live beside this file; anything generated goes to <build>/packaging.

include(GNUInstallDirs)

set(MOSUO_APP_ID org.mosuo.Mosuo)
set(MOSUO_SCREENSHOT_URL "https://mosuo.invalid/screenshot.png" CACHE STRING
    "Web address of docs/screenshot.png for software centres (AppStream accepts only web addresses)")

set(mosuo_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(mosuo_packaging_out ${PROJECT_BINARY_DIR}/packaging)

foreach(program IN ITEMS mosuo mosuo-cli)
  if(TARGET ${program})
    # the project installs no shared libraries, so an installed program needs no
    # run path (qt_standard_project_setup would give it $ORIGIN/../lib)
    set_property(TARGET ${program} PROPERTY INSTALL_RPATH "")
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The desktop entry, metainfo and icons belong to the window program; they are
# installed whenever it is part of the build, even before its target exists.
if(MOSUO_BUILD_APP)
  install(FILES ${mosuo_packaging_dir}/${MOSUO_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  configure_file(${mosuo_packaging_dir}/${MOSUO_APP_ID}.metainfo.xml.in
                 ${mosuo_packaging_out}/${MOSUO_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${mosuo_packaging_out}/${MOSUO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  set(mosuo_icon_svg ${mosuo_packaging_dir}/icons/${MOSUO_APP_ID}.svg)
  install(FILES ${mosuo_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  find_program(MOSUO_RSVG_CONVERT rsvg-convert)
  if(MOSUO_RSVG_CONVERT)
    set(mosuo_icon_pngs)
    foreach(size IN ITEMS 16 24 32 48 64 128 256)
      set(dir ${mosuo_packaging_out}/icons/${size}x${size})
      set(png ${dir}/${MOSUO_APP_ID}.png)
      add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${MOSUO_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${mosuo_icon_svg}
        DEPENDS ${mosuo_icon_svg}
        COMMENT "Rendering the ${size} px icon"
        VERBATIM)
      list(APPEND mosuo_icon_pngs ${png})
      install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(mosuo_icons ALL DEPENDS ${mosuo_icon_pngs})
  else()
    message(WARNING "rsvg-convert (Debian package librsvg2-bin) is missing: the PNG icons are not built")
  endif()
endif()

# Manual pages and the changelog go gzipped, as Debian keeps them.
set(mosuo_gzipped)
function(mosuo_gzip input output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND gzip -9 --no-name --to-stdout ${input} > ${output}
    DEPENDS ${input}
    COMMENT "Compressing ${output}"
    VERBATIM)
  set(mosuo_gzipped ${mosuo_gzipped} ${output} PARENT_SCOPE)
endfunction()

set(mosuo_manual_pages mosuo-cli)
if(MOSUO_BUILD_APP)
  list(APPEND mosuo_manual_pages mosuo)
endif()
foreach(page IN LISTS mosuo_manual_pages)
  configure_file(${mosuo_packaging_dir}/man/${page}.1.in ${mosuo_packaging_out}/${page}.1 @ONLY)
  mosuo_gzip(${mosuo_packaging_out}/${page}.1 ${mosuo_packaging_out}/${page}.1.gz)
  install(FILES ${mosuo_packaging_out}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES ${mosuo_packaging_dir}/completions/mosuo-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

mosuo_gzip(${mosuo_packaging_dir}/changelog ${mosuo_packaging_out}/changelog.gz)
install(FILES ${mosuo_packaging_out}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)
add_custom_target(mosuo_gzipped_docs ALL DEPENDS ${mosuo_gzipped})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mosuo)
set(CPACK_PACKAGE_VENDOR "墨梭 developers")
set(CPACK_PACKAGE_CONTACT "墨梭 developers <developers@mosuo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "GBK text utility with a Chinese interface")
set(CPACK_PACKAGE_DESCRIPTION
    "墨梭 (mosuo) deletes spaces, line breaks, a given text, repeated characters\n"
    "or repeated lines from GBK text, writes it as a decimal byte list or in\n"
    "hexadecimal, turns a byte list back into text and changes letter case.\n"
    "The package holds the window program mosuo and the batch tool mosuo-cli.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET mosuo)
  # Qt loads its SVG plugins at run time, so the window icon's dependency is invisible to dpkg-shlibdeps
  set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
endif()
# the window's Chinese captions need a CJK font; the program runs without one, showing boxes
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-noto-cjk)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
