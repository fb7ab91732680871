# What a desktop system needs beside the programs: one launcher and one
# AppStream entry per program, the opener's launcher (the only one that opens
# .sin files), the .sin file type and its icon, the icons in the hicolor theme,
# a manual page per program, the example ini files in /etc/tolvan, the cable
# rule, the licence, and the Debian package (CPack) that carries them all.
include(GNUInstallDirs)

# One line per program for launchers, software centres and manual pages.
set(TOLVAN_SUMMARY_cps-twotone "Program 128-channel radios with two-tone signalling")
set(TOLVAN_SUMMARY_cps-ccir    "Program 128-channel radios with MSK, DTMF and CCIR signalling")
set(TOLVAN_SUMMARY_cps-brand   "Program 128-channel radios with DTMF and FleetSync signalling")
set(TOLVAN_SUMMARY_cps-fleet   "Program 118-channel radios with DTMF and FleetSync signalling")
set(TOLVAN_SUMMARY_cps-cn2     "Program 128-channel radios with a band check (Chinese)")
set(TOLVAN_SUMMARY_cps-cn10    "Program 118-channel radios (Chinese)")
set(TOLVAN_SUMMARY_cps-keys    "Program 16-channel radios with two programmable side keys")
set(TOLVAN_SUMMARY_cps-keys-cn "Program 16-channel radios with two side keys (Chinese)")
set(TOLVAN_SUMMARY_cps16       "Program 16-channel series radios with settings on the main form")
set(TOLVAN_SUMMARY_cps16-cn    "Program 16-channel series radios (Chinese)")
# The same in Chinese, for the programs that speak it (in one language or two).
set(TOLVAN_SUMMARY_ZH_cps-twotone "为带双音信令的 128 信道对讲机写频")
set(TOLVAN_SUMMARY_ZH_cps-ccir    "为带 MSK、DTMF 和 CCIR 信令的 128 信道对讲机写频")
set(TOLVAN_SUMMARY_ZH_cps-cn2     "为带频段检查的 128 信道对讲机写频")
set(TOLVAN_SUMMARY_ZH_cps-cn10    "为 118 信道对讲机写频")
set(TOLVAN_SUMMARY_ZH_cps-keys-cn "为带两个可编程侧键的 16 信道对讲机写频")
set(TOLVAN_SUMMARY_ZH_cps16-cn    "为设置在主界面上的 16 信道系列对讲机写频")

# One icon per radio family (the edition tables' family; the smaller family-A
# radios, 2048 bytes, have their own), so a menu tells the ten apart; the
# opener keeps the plain one.
set(TOLVAN_ICON_cps-twotone tolvan-twotone)
set(TOLVAN_ICON_cps-ccir    tolvan-family-a)
set(TOLVAN_ICON_cps-brand   tolvan-family-a)
set(TOLVAN_ICON_cps-cn2     tolvan-family-a)
set(TOLVAN_ICON_cps-fleet   tolvan-family-a-small)
set(TOLVAN_ICON_cps-cn10    tolvan-family-a-small)
set(TOLVAN_ICON_cps-keys    tolvan-keys)
set(TOLVAN_ICON_cps-keys-cn tolvan-keys)
set(TOLVAN_ICON_cps16       tolvan-sixteen)
set(TOLVAN_ICON_cps16-cn    tolvan-sixteen)

set(tolvan_desktop_dir ${CMAKE_BINARY_DIR}/desktop)
foreach(name IN LISTS TOLVAN_DELIVERABLES)
  set(TOLVAN_PROGRAM ${name})
  set(TOLVAN_SUMMARY ${TOLVAN_SUMMARY_${name}})
  set(TOLVAN_ICON ${TOLVAN_ICON_${name}})
  # Chinese name and comment lines, after the English comment, where the program speaks Chinese.
  set(TOLVAN_CHINESE_LINES "")
  if(DEFINED TOLVAN_SUMMARY_ZH_${name})
    set(TOLVAN_CHINESE_LINES "\nName[zh_CN]=Tolvan 写频软件 (${name})\nComment[zh_CN]=${TOLVAN_SUMMARY_ZH_${name}}")
  endif()
  # AppStream ids (and so the launchers' names) take no hyphens: cps_twotone.
  string(REPLACE "-" "_" id ${name})
  set(TOLVAN_APP_ID org.tolvan.${id})
  configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/program.desktop.in
                 ${tolvan_desktop_dir}/${TOLVAN_APP_ID}.desktop @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/program.metainfo.xml.in
                 ${tolvan_desktop_dir}/${TOLVAN_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${tolvan_desktop_dir}/${TOLVAN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${tolvan_desktop_dir}/${TOLVAN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/tolvan-sin.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# The ten launchers start their programs; only the opener's claims .sin files
# and starts the program a file belongs to.
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/tolvan-open.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        RENAME org.tolvan.ProgrammingTools.desktop)

# Example ini files for every user of the computer, all keys commented out, so
# installing them changes nothing: the programs read /etc/tolvan/<program>.ini
# (whatever the prefix) between the file beside the program and the user's.
set(TOLVAN_INI_LANGUAGE [=[[MAIN]
; LANGUAGE_FORCE=1 takes LANGUAGE whatever the system's language is:
; @TOLVAN_PROGRAM@_EN for English, @TOLVAN_PROGRAM@_CH for Chinese.
;LANGUAGE_FORCE=1
;LANGUAGE=@TOLVAN_PROGRAM@_CH
]=])
set(TOLVAN_INI_SECTIONS_cps-twotone "${TOLVAN_INI_LANGUAGE}")
set(TOLVAN_INI_SECTIONS_cps-ccir "${TOLVAN_INI_LANGUAGE}")
set(TOLVAN_INI_SECTIONS_cps-brand [=[[MAIN]
; The window's caption, a dealer's name for the program (empty when not given):
;TITLE=Harbour Radio Programming Software
[ABOUT]
; The About box: its caption, the program line, the version line, the company line.
;TITLE=About Harbour Radio Programming Software
;COMPANY=Harbour Radio Programming Software
;VERSION=2026 Version 1.0
;COMPANY1=Harbour Radio Ltd
]=])
set(tolvan_etc_dir ${CMAKE_BINARY_DIR}/etc)
set(tolvan_conffiles)
foreach(name IN LISTS TOLVAN_DELIVERABLES)
  set(TOLVAN_PROGRAM ${name})
  string(CONFIGURE "${TOLVAN_INI_SECTIONS_${name}}" TOLVAN_INI_SECTIONS @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/resources/etc/program.ini.in ${tolvan_etc_dir}/${name}.ini @ONLY)
  install(FILES ${tolvan_etc_dir}/${name}.ini DESTINATION /etc/tolvan)
  string(APPEND tolvan_conffiles "/etc/tolvan/${name}.ini\n")
endforeach()
# dpkg keeps an administrator's changes to them across upgrades.
file(WRITE ${CMAKE_BINARY_DIR}/debian/conffiles "${tolvan_conffiles}")

# Icons: the drawings as SVG, and PNGs made from them at build time.
set(TOLVAN_ICON_SIZES 16 22 24 32 48 64 128 256)
set(tolvan_icon_dir ${CMAKE_BINARY_DIR}/icons)
find_program(TOLVAN_RSVG_CONVERT rsvg-convert)
if(NOT TOLVAN_RSVG_CONVERT)
  message(WARNING "rsvg-convert (librsvg2-bin) is missing: no PNG icons; run scripts/install-deps.sh")
endif()
set(tolvan_icon_files)
foreach(pair "tolvan;apps" "tolvan-twotone;apps" "tolvan-family-a;apps" "tolvan-family-a-small;apps" "tolvan-keys;apps"
             "tolvan-sixteen;apps" "application-x-tolvan-sin;mimetypes")
  list(GET pair 0 icon)
  list(GET pair 1 context)
  set(svg ${CMAKE_SOURCE_DIR}/resources/icons/${icon}.svg)
  install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/${context})
  if(NOT TOLVAN_RSVG_CONVERT)
    continue()
  endif()
  foreach(size IN LISTS TOLVAN_ICON_SIZES)
    set(png ${tolvan_icon_dir}/${size}x${size}/${context}/${icon}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${tolvan_icon_dir}/${size}x${size}/${context}
      COMMAND ${TOLVAN_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
      DEPENDS ${svg})
    list(APPEND tolvan_icon_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/${context})
  endforeach()
endforeach()
add_custom_target(tolvan_icons ALL DEPENDS ${tolvan_icon_files})

set(TOLVAN_PACKAGE tolvan-programming-tools)
# Who answers for the package and takes bug reports; whoever publishes it
# names themselves here (-DTOLVAN_MAINTAINER=...).
set(TOLVAN_MAINTAINER "Tolvan programming tools developers <maintainers@users.noreply.c-seed-f9a1f0d2.example>"
    CACHE STRING "The package's maintainer and bug address")
string(REGEX REPLACE ".*<(.*)>.*" "\\1" TOLVAN_BUG_ADDRESS "${TOLVAN_MAINTAINER}")
string(REPLACE "-" "\\-" TOLVAN_BUG_ADDRESS "<${TOLVAN_BUG_ADDRESS}>")
set(tolvan_bugs_include ${CMAKE_BINARY_DIR}/man/bugs.h2m)
configure_file(${CMAKE_SOURCE_DIR}/resources/man/bugs.h2m.in ${tolvan_bugs_include} @ONLY)
set(tolvan_bugs_include_zh ${CMAKE_BINARY_DIR}/man/zh_CN/bugs.h2m)
configure_file(${CMAKE_SOURCE_DIR}/resources/man/bugs.zh_CN.h2m.in ${tolvan_bugs_include_zh} @ONLY)

# Manual pages, made from each program's own --help so they cannot drift; the
# sections --help has no room for come from one shared page template.
# Sanitizer and fuzzing trees are never installed, so they make no pages.
find_program(TOLVAN_HELP2MAN help2man)
if(TOLVAN_SANITIZE OR TOLVAN_FUZZ)
  set(TOLVAN_HELP2MAN "")
elseif(NOT TOLVAN_HELP2MAN)
  message(WARNING "help2man is missing: no manual pages; run scripts/install-deps.sh")
endif()
set(tolvan_man_dir ${CMAKE_BINARY_DIR}/man)
set(tolvan_man_files)
foreach(name IN LISTS TOLVAN_DELIVERABLES)
  if(NOT TOLVAN_HELP2MAN)
    break()
  endif()
  set(TOLVAN_PROGRAM ${name})
  # The other nine and the opener, as roff references.
  set(TOLVAN_SEE_ALSO "")
  foreach(other IN LISTS TOLVAN_DELIVERABLES ITEMS tolvan-open)
    if(NOT other STREQUAL name)
      string(REPLACE "-" "\\-" roff ${other})
      string(APPEND TOLVAN_SEE_ALSO ".BR ${roff} (1),\n")
    endif()
  endforeach()
  string(REGEX REPLACE ",\n$" "" TOLVAN_SEE_ALSO "${TOLVAN_SEE_ALSO}")
  set(TOLVAN_BINDIR ${CMAKE_INSTALL_FULL_BINDIR})
  set(TOLVAN_DATADIR ${CMAKE_INSTALL_FULL_DATADIR})
  set(include ${tolvan_man_dir}/${name}.h2m)
  configure_file(${CMAKE_SOURCE_DIR}/resources/man/program.h2m.in ${include} @ONLY)
  set(page ${tolvan_man_dir}/${name}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${TOLVAN_HELP2MAN} --no-info --section=1 --version-string=${PROJECT_VERSION}
            "--name=${TOLVAN_SUMMARY_${name}}" --include=${include} --include=${tolvan_bugs_include} --output=${page} $<TARGET_FILE:${name}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${name} ${include} ${tolvan_bugs_include} ${CMAKE_SOURCE_DIR}/resources/man/program.h2m.in
    COMMENT "Manual page of ${name}"
    VERBATIM)
  list(APPEND tolvan_man_files ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  if(NOT DEFINED TOLVAN_SUMMARY_ZH_${name})
    continue()
  endif()
  # The Chinese page from the Chinese --help. help2man runs a program with
  # LC_ALL set to its own locale (a UTF-8 one, so that it keeps the Chinese
  # text), so it runs one that gives the program a Chinese terminal; its
  # headings are put into Chinese afterwards (resources/man/zh_CN.sed).
  # The name line comes from the page template: help2man takes --name as
  # bytes of one byte per letter and would garble Chinese there.
  set(TOLVAN_SUMMARY_ZH ${TOLVAN_SUMMARY_ZH_${name}})
  set(include ${tolvan_man_dir}/zh_CN/${name}.h2m)
  configure_file(${CMAKE_SOURCE_DIR}/resources/man/program.zh_CN.h2m.in ${include} @ONLY)
  set(chinese ${tolvan_man_dir}/zh_CN/run/${name})
  file(GENERATE OUTPUT ${chinese}
       CONTENT "#!/bin/sh\nLC_ALL=zh_CN.UTF-8 exec \"$<TARGET_FILE:${name}>\" \"$@\"\n"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(page ${tolvan_man_dir}/zh_CN/${name}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${TOLVAN_HELP2MAN} --no-info --section=1 --version-string=${PROJECT_VERSION} --locale=C.UTF-8
            --include=${include} --include=${tolvan_bugs_include_zh} --output=${page} ${chinese}
    COMMAND sed -i -f ${CMAKE_SOURCE_DIR}/resources/man/zh_CN.sed ${page}
    COMMAND gzip -9nf ${page}
    DEPENDS ${name} ${include} ${tolvan_bugs_include_zh} ${CMAKE_SOURCE_DIR}/resources/man/program.zh_CN.h2m.in
            ${CMAKE_SOURCE_DIR}/resources/man/zh_CN.sed
    COMMENT "Chinese manual page of ${name}"
    VERBATIM)
  list(APPEND tolvan_man_files ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/zh_CN/man1)
endforeach()
if(TOLVAN_HELP2MAN)
  set(page ${tolvan_man_dir}/tolvan-open.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${TOLVAN_HELP2MAN} --no-info --section=1 --version-string=${PROJECT_VERSION}
            "--name=open a .sin file in the program of its radio"
            --include=${CMAKE_SOURCE_DIR}/resources/man/tolvan-open.h2m --include=${tolvan_bugs_include} --output=${page} $<TARGET_FILE:tolvan-open>
    COMMAND gzip -9nf ${page}
    DEPENDS tolvan-open ${tolvan_bugs_include} ${CMAKE_SOURCE_DIR}/resources/man/tolvan-open.h2m
    COMMENT "Manual page of tolvan-open"
    VERBATIM)
  list(APPEND tolvan_man_files ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
add_custom_target(tolvan_manpages ALL DEPENDS ${tolvan_man_files})

# Shell completion, made from each program's own --help like the manual pages:
# its options, the ports of --list-ports, the files its commands take.
set(tolvan_completion_dir ${CMAKE_BINARY_DIR}/completion)
set(tolvan_completion_files)
foreach(name IN LISTS TOLVAN_DELIVERABLES ITEMS tolvan-open)
  if(TOLVAN_SANITIZE OR TOLVAN_FUZZ)
    break()
  endif()
  set(bash_file ${tolvan_completion_dir}/bash/${name})
  set(zsh_file ${tolvan_completion_dir}/zsh/_${name})
  add_custom_command(OUTPUT ${bash_file} ${zsh_file}
    COMMAND bash ${CMAKE_SOURCE_DIR}/resources/completion/make_completion.sh $<TARGET_FILE:${name}> ${name}
            ${CMAKE_SOURCE_DIR}/resources/completion ${bash_file} ${zsh_file}
    DEPENDS ${name} ${CMAKE_SOURCE_DIR}/resources/completion/make_completion.sh
            ${CMAKE_SOURCE_DIR}/resources/completion/program.bash.in ${CMAKE_SOURCE_DIR}/resources/completion/program.zsh.in
    COMMENT "Shell completion of ${name}"
    VERBATIM)
  list(APPEND tolvan_completion_files ${bash_file} ${zsh_file})
  install(FILES ${bash_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
  install(FILES ${zsh_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
endforeach()
add_custom_target(tolvan_completion ALL DEPENDS ${tolvan_completion_files})

# The cable rule: udev reads /usr/lib/udev/rules.d (prefix /usr), not /usr/local.
install(FILES ${CMAKE_SOURCE_DIR}/resources/udev/60-tolvan-cables.rules DESTINATION lib/udev/rules.d)

set(tolvan_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${TOLVAN_PACKAGE})
# The licence in the machine-readable form Debian reads, and the changelog
# compressed without a time stamp so that two builds give the same bytes.
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/copyright.in ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright DESTINATION ${tolvan_doc_dir})
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
set(tolvan_changelog ${CMAKE_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${tolvan_changelog}
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/debian/changelog > ${tolvan_changelog}
  DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog)
add_custom_target(tolvan_changelog ALL DEPENDS ${tolvan_changelog})
install(FILES ${tolvan_changelog} DESTINATION ${tolvan_doc_dir})

# The Debian package: `make package` (or cpack in the build tree).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TOLVAN_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tolvan programming tools developers")
set(CPACK_PACKAGE_CONTACT "${TOLVAN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tools for Tolvan handheld radios")
# The control file's long description: CPack parts its paragraphs with " .".
# No line may begin with "." and no apostrophe is kept (CPack escapes it as XML).
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_SOURCE_DIR}/resources/debian/description)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the programs themselves; the rest is read at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# udev rereads its rules by itself; the script only applies the cable rule to
# cables already plugged in. No removal script, so `apt remove` leaves nothing.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/resources/debian/postinst ${CMAKE_BINARY_DIR}/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
