# Translations and help pages of the program window.
#
# Each program loads "<program>_EN.qm" or "<program>_CH.qm" from its own
# directory (or the installed data directory). The texts are the same for every
# deliverable, so the two sources are compiled once and copied under each name.
set(TOLVAN_TS_EN ${CMAKE_SOURCE_DIR}/resources/translations/tolvan_en.ts)
set(TOLVAN_TS_ZH ${CMAKE_SOURCE_DIR}/resources/translations/tolvan_zh.ts)
set(tolvan_qm_dir ${CMAKE_BINARY_DIR}/translations)

set(tolvan_window_data)
foreach(lang EN ZH)
  string(TOLOWER ${lang} lower)
  set(qm ${tolvan_qm_dir}/tolvan_${lower}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${tolvan_qm_dir}
    COMMAND Qt6::lrelease -silent ${TOLVAN_TS_${lang}} -qm ${qm}
    DEPENDS ${TOLVAN_TS_${lang}}
    COMMENT "Compiling the ${lang} translation")
  set(tolvan_qm_${lang} ${qm})
endforeach()

foreach(name IN LISTS TOLVAN_DELIVERABLES)
  foreach(pair "EN;EN" "CH;ZH")
    list(GET pair 0 suffix)
    list(GET pair 1 lang)
    set(out ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}_${suffix}.qm)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${tolvan_qm_${lang}} ${out}
      DEPENDS ${tolvan_qm_${lang}})
    list(APPEND tolvan_window_data ${out})
  endforeach()
endforeach()

foreach(page Tolvan_V_EN.html Tolvan_V_CH.html)
  set(out ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${page})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/help/${page} ${out}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/${page})
  list(APPEND tolvan_window_data ${out})
endforeach()

add_custom_target(tolvan_window_data ALL DEPENDS ${tolvan_window_data})
foreach(name IN LISTS TOLVAN_DELIVERABLES)
  add_dependencies(${name} tolvan_window_data)
endforeach()

install(TARGETS ${TOLVAN_DELIVERABLES} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${tolvan_window_data} DESTINATION ${CMAKE_INSTALL_DATADIR}/tolvan)

# Launchers, icons, manual pages, the cable rule and the Debian package.
include(${CMAKE_SOURCE_DIR}/resources/packaging.cmake)
