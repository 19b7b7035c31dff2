# solva-tx(1) in English and Hungarian, made at every build from the program's own --help, so
# that a page never names an option or exit status the program does not have (man/).
if(NOT SOLVA_BUILD_DOCS)
    return()
endif()
set(help ${CMAKE_CURRENT_BINARY_DIR}/help.txt)
add_custom_command(OUTPUT ${help}
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 $<TARGET_FILE:solva-tx> --help > ${help}
    DEPENDS solva-tx VERBATIM)
set(pages)
foreach(language en hu)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${language}/solva-tx.1)
    add_custom_command(OUTPUT ${page} ${page}.gz
        COMMAND ${CMAKE_COMMAND} -D HELP=${help} -D LANGUAGE=${language}
                -D TEXTS=${CMAKE_CURRENT_SOURCE_DIR}/man/solva-tx.hu.txt
                -D VERSION=${PROJECT_VERSION} -D DATE=${SOLVA_RELEASE_DATE} -D OUTPUT=${page}
                -P ${CMAKE_CURRENT_SOURCE_DIR}/man/make_manual_page.cmake
        COMMAND gzip -9nkf ${page}
        DEPENDS ${help} man/make_manual_page.cmake man/solva-tx.hu.txt
        COMMENT "Manual page solva-tx(1), ${language}" VERBATIM)
    list(APPEND pages ${page})
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${pages})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/en/solva-tx.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/hu/solva-tx.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/hu/man1)
