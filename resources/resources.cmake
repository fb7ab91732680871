# Translations and help pages of the program window.
#
# The translations are built into every program (Qt resources under
# ":/translations"), so a program copied alone into an empty folder still
# starts in its languages. The texts are the same for every deliverable; the
# Chinese one comes with Qt's own Chinese texts for the standard buttons and
# the file dialogs.
set(TOLVAN_TS_EN ${CMAKE_SOURCE_DIR}/resources/translations/tolvan_en.ts)
set(TOLVAN_TS_ZH ${CMAKE_SOURCE_DIR}/resources/translations/tolvan_zh.ts)
set(tolvan_qm_dir ${CMAKE_BINARY_DIR}/translations)

set(tolvan_embedded_qm)
foreach(lang EN ZH)
  string(TOLOWER ${lang} lower)
  set(qm ${tolvan_qm_dir}/tolvan_${lower}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${tolvan_qm_dir}
    COMMAND Qt6::lrelease -silent ${TOLVAN_TS_${lang}} -qm ${qm}
    DEPENDS ${TOLVAN_TS_${lang}}
    COMMENT "Compiling the ${lang} translation")
  set_source_files_properties(${qm} PROPERTIES QT_RESOURCE_ALIAS tolvan_${lower}.qm GENERATED TRUE)
  list(APPEND tolvan_embedded_qm ${qm})
endforeach()

# Debian ships Qt's translations in qt6-translations-l10n (scripts/install-deps.sh).
# A translation is the same file for every system: the Windows build takes the
# host's too (its Qt is built from the same version), outside the cross sysroot.
find_file(TOLVAN_QTBASE_ZH qtbase_zh_CN.qm
  PATHS ${QT6_INSTALL_PREFIX}/share/qt6/translations ${QT6_INSTALL_PREFIX}/translations
        /usr/share/qt6/translations
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(TOLVAN_QTBASE_ZH)
  set_source_files_properties(${TOLVAN_QTBASE_ZH} PROPERTIES QT_RESOURCE_ALIAS qtbase_zh_CN.qm)
  list(APPEND tolvan_embedded_qm ${TOLVAN_QTBASE_ZH})
else()
  message(WARNING "qtbase_zh_CN.qm not found (package qt6-translations-l10n): "
                  "Chinese programs will show Qt's standard buttons in English")
endif()

if(qt_sources)
  qt_add_resources(tolvan_qt tolvan_translations PREFIX /translations FILES ${tolvan_embedded_qm})
endif()

# Each program's help pages, composed by its edition from the one source of
# sections (a cross build runs the composer through its emulator, Wine).
set(tolvan_help_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help)
set(tolvan_help_stamp ${CMAKE_BINARY_DIR}/help_pages.stamp)
add_custom_command(OUTPUT ${tolvan_help_stamp}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${tolvan_help_dir}
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:help_pages>
          ${CMAKE_SOURCE_DIR}/resources/help/help.sections ${tolvan_help_dir}
  COMMAND ${CMAKE_COMMAND} -E touch ${tolvan_help_stamp}
  DEPENDS help_pages ${CMAKE_SOURCE_DIR}/resources/help/help.sections
  COMMENT "Composing the help pages")
set(tolvan_window_data ${tolvan_help_stamp})

add_custom_target(tolvan_window_data ALL DEPENDS ${tolvan_window_data})
foreach(name IN LISTS TOLVAN_DELIVERABLES)
  add_dependencies(${name} tolvan_window_data)
endforeach()

install(TARGETS ${TOLVAN_DELIVERABLES} tolvan-open RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# /usr/share/tolvan/<program>/Tolvan_V_EN.html, ...
install(DIRECTORY ${tolvan_help_dir}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvan)

# Launchers, icons, manual pages, the cable rule and the Debian package; the
# Windows zip and installer are made by scripts/package-windows.sh.
if(NOT WIN32)
  include(${CMAKE_SOURCE_DIR}/resources/packaging.cmake)
endif()
