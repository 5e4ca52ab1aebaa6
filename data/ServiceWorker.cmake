# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the site's service worker: cmake -DSITE=... -DTEMPLATE=... -P ServiceWorker.cmake.
# It lists every file of the site the page needs and names its cache for their hash.
set(files index.html qtloader.js vantrel.js vantrel.wasm vantrel.webmanifest vantrel-16.png
    vantrel-32.png vantrel-192.png vantrel-512.png)
set(all "")
set(listed "\"./\"")
foreach(file IN LISTS files)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND all ${hash})
    string(APPEND listed ", \"${file}\"")
endforeach()
string(SHA256 VANTREL_SITE_HASH "${all}")
string(SUBSTRING ${VANTREL_SITE_HASH} 0 16 VANTREL_SITE_HASH)
set(VANTREL_SITE_FILES "${listed}")
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
