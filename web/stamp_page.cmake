# Writes the page's entry files into PAGE_DIR with this build's mark: a hash of every file the
# page runs, so that a browser that has one build's files never takes another's for them.
# Run as cmake -DSOURCE_DIR=web/page -DPAGE_DIR=... -DCSP=... -P stamp_page.cmake after linking.
set(content "")
foreach(file kelvaro.js kelvaro.wasm style.css boot.js icon.svg background.svg
             manifest.webmanifest)
  file(SHA256 "${PAGE_DIR}/${file}" hash)
  string(APPEND content "${hash}")
endforeach()
foreach(template index.html sw.js _headers)
  file(SHA256 "${SOURCE_DIR}/${template}" hash)
  string(APPEND content "${hash}")
endforeach()
string(SHA256 mark "${content}")
string(SUBSTRING "${mark}" 0 16 KELVARO_BUILD)
set(KELVARO_CSP "${CSP}")
foreach(template index.html sw.js _headers)
  configure_file("${SOURCE_DIR}/${template}" "${PAGE_DIR}/${template}" @ONLY)
endforeach()
