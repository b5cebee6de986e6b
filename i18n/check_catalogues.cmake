# SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails unless, for every catalogue, lupdate run on the sources would change
# nothing and lrelease finds every text translated: no unfinished
# translation, none missing.
# cmake -DLUPDATE=... -DLRELEASE=... -DOPTIONS=... -DSOURCES=... -DCATALOGUES=... -DWORK=... -P check_catalogues.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failures "")
foreach(catalogue ${CATALOGUES})
    get_filename_component(name ${catalogue} NAME)
    set(updated ${WORK}/${name})
    configure_file(${catalogue} ${updated} COPYONLY)
    execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${updated}
        RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
    file(READ ${catalogue} before)
    file(READ ${updated} after)
    if(failed OR NOT before STREQUAL after)
        execute_process(COMMAND diff -u ${catalogue} ${updated} OUTPUT_VARIABLE difference)
        string(APPEND failures "${name} is not up to date with the sources "
            "(cmake --build <build> --target update_translations):\n${said}${difference}\n")
    endif()

    execute_process(COMMAND ${LRELEASE} ${catalogue} -qm ${WORK}/${name}.qm
        RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
    string(REGEX MATCH "Generated [0-9]+ translation\\(s\\) \\([0-9]+ finished and 0 unfinished\\)" complete "${said}")
    if(failed OR NOT complete OR said MATCHES "Ignored|untranslated")
        string(APPEND failures "${name} leaves texts untranslated or unfinished:\n${said}\n")
    endif()
    message(STATUS "${name}: ${said}")
endforeach()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
