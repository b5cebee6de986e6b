# SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
# SPDX-License-Identifier: GPL-3.0-or-later

# debian/changelog is the one record of the releases: the version, the
# manual page's date and the metainfo's <releases> are all read from it.
#
# mokopi_read_changelog(FILE) sets, in the caller's scope:
#   MOKOPI_CHANGELOG_VERSION  the newest release's version
#   MOKOPI_RELEASE_DATE       its date, YYYY-MM-DD
#   MOKOPI_RELEASES_XML       every release, newest first, as AppStream <release>
#                             elements with their changes as a list
function(mokopi_read_changelog file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(READ ${file} text)
    # One list element a line; a ";" in the text, which would split a line in
    # two, stands aside as a control character until the end.
    string(ASCII 31 semicolon)
    string(REPLACE ";" "${semicolon}" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(version "")
    set(xml "")
    set(items "")
    set(item "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\) ")
            set(version ${CMAKE_MATCH_1})
        elseif(line MATCHES "^  \\* (.*)$")
            if(NOT item STREQUAL "")
                list(APPEND items "${item}")
            endif()
            set(item "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^    (.*)$")
            string(APPEND item " ${CMAKE_MATCH_1}")
        elseif(line MATCHES "^ -- .*>  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
            set(day ${CMAKE_MATCH_1})
            set(year ${CMAKE_MATCH_3})
            list(FIND months ${CMAKE_MATCH_2} month)
            math(EXPR month "${month} + 1")
            foreach(part day month)
                if(${part} MATCHES "^[0-9]$")
                    string(PREPEND ${part} 0)
                endif()
            endforeach()
            set(date ${year}-${month}-${day})
            if(NOT item STREQUAL "")
                list(APPEND items "${item}")
            endif()
            string(APPEND xml "    <release version=\"${version}\" date=\"${date}\">\n"
                              "      <description>\n        <ul>\n")
            foreach(change IN LISTS items)
                string(REPLACE "&" "&amp;" change "${change}")
                string(REPLACE "<" "&lt;" change "${change}")
                string(REPLACE ">" "&gt;" change "${change}")
                string(APPEND xml "          <li>${change}</li>\n")
            endforeach()
            string(APPEND xml "        </ul>\n      </description>\n    </release>\n")
            if(NOT DEFINED newest_version)
                set(newest_version ${version})
                set(newest_date ${date})
            endif()
            set(items "")
            set(item "")
        endif()
    endforeach()
    if(NOT DEFINED newest_version)
        message(FATAL_ERROR "${file} holds no release")
    endif()
    set(MOKOPI_CHANGELOG_VERSION ${newest_version} PARENT_SCOPE)
    set(MOKOPI_RELEASE_DATE ${newest_date} PARENT_SCOPE)
    string(STRIP "${xml}" xml)
    string(REPLACE "${semicolon}" ";" xml "${xml}")
    set(MOKOPI_RELEASES_XML "${xml}" PARENT_SCOPE)
endfunction()
