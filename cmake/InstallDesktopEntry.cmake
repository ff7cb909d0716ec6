# Runs at install time: writes the menu entry with the launcher's absolute path under the prefix
# actually installed into, then installs it (file(INSTALL) adds DESTDIR and the manifest entry).
get_filename_component(tavelor_prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(tavelor_launcher "${tavelor_prefix}/bin/tavelor")

# Exec is a quoted argument: \ " ` $ are escaped inside the quotes, % is doubled, and the whole
# value is a desktop-file string, which escapes \ once more.
set(tavelor_exec "${tavelor_launcher}")
string(REPLACE "\\" "\\\\" tavelor_exec "${tavelor_exec}")
string(REPLACE "\"" "\\\"" tavelor_exec "${tavelor_exec}")
string(REPLACE "`" "\\`" tavelor_exec "${tavelor_exec}")
string(REPLACE "$" "\\$" tavelor_exec "${tavelor_exec}")
set(tavelor_exec "\"${tavelor_exec}\"")
string(REPLACE "\\" "\\\\" tavelor_exec "${tavelor_exec}")
string(REPLACE "%" "%%" tavelor_exec "${tavelor_exec}")
set(tavelor_desktop_exec "${tavelor_exec}")
string(REPLACE "\\" "\\\\" tavelor_desktop_tryexec "${tavelor_launcher}")

configure_file("${tavelor_desktop_template}" "${tavelor_desktop_staging}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${tavelor_desktop_staging}")
