# SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The releases read from a changelog of two releases: the newest one's
# version and date, and every release as AppStream XML, newest first, with
# changes that run over two lines joined and the text's ";", "&" and "<"
# kept as written.
# usage: cmake -DSOURCE_DIR=... -DWORK_DIR=... -P changelog_test.cmake
include(${SOURCE_DIR}/packaging/changelog.cmake)

set(changelog ${WORK_DIR}/changelog_test.changelog)
file(WRITE ${changelog} [[mokopi (1.1.0-2) unstable; urgency=medium

  * A name with <b> & co; shown as typed.
  * A change that runs on
    over two lines.

 -- The maintainers <maintainers@example.org>  Fri, 5 Mar 2027 09:00:00 +0000

mokopi (1.0.3) unstable; urgency=medium

  * The first.

 -- The maintainers <maintainers@example.org>  Mon, 07 Dec 2026 12:00:00 +0000
]])
mokopi_read_changelog(${changelog})

set(expected [[<release version="1.1.0-2" date="2027-03-05">
      <description>
        <ul>
          <li>A name with &lt;b&gt; &amp; co; shown as typed.</li>
          <li>A change that runs on over two lines.</li>
        </ul>
      </description>
    </release>
    <release version="1.0.3" date="2026-12-07">
      <description>
        <ul>
          <li>The first.</li>
        </ul>
      </description>
    </release>]])
set(failures "")
if(NOT MOKOPI_CHANGELOG_VERSION STREQUAL "1.1.0-2")
    string(APPEND failures "version: ${MOKOPI_CHANGELOG_VERSION}\n")
endif()
if(NOT MOKOPI_RELEASE_DATE STREQUAL "2027-03-05")
    string(APPEND failures "date: ${MOKOPI_RELEASE_DATE}\n")
endif()
if(NOT MOKOPI_RELEASES_XML STREQUAL expected)
    string(APPEND failures "releases:\n${MOKOPI_RELEASES_XML}\n")
endif()
if(failures)
    message(FATAL_ERROR "The changelog was misread:\n${failures}")
endif()
