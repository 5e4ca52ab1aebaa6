# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the site's service worker:
#   cmake -DSITE=... -DFILES=a,b,... -DTEMPLATE=... -P ServiceWorker.cmake
# It lists the files of the site that the page needs (FILES, names within SITE) and names its
# cache for their hash.
string(REPLACE "," ";" FILES "${FILES}")
set(all "")
set(listed "\"./\"")
foreach(file IN LISTS FILES)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND all ${hash})
    string(APPEND listed ", \"${file}\"")
endforeach()
string(SHA256 VANTREL_SITE_HASH "${all}")
string(SUBSTRING ${VANTREL_SITE_HASH} 0 16 VANTREL_SITE_HASH)
set(VANTREL_SITE_FILES "${listed}")
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
