# Writes the manual page vksutil(1) from the tool's own help texts, so the two never drift:
#   cmake -DTOOL=path/to/vksutil -DOUT=vksutil.1 -DVERSION=1.0.0 -P manpage.cmake
function(help_of out)
  execute_process(COMMAND ${TOOL} ${ARGN} --help RESULT_VARIABLE rc OUTPUT_VARIABLE text
                  ERROR_VARIABLE text)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${TOOL} ${ARGN} --help failed (${rc}): ${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text that troff shows as it stands: backslashes doubled, and a line that begins with a dot or
# an apostrophe protected by a zero-width character.
function(as_troff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

help_of(main)
as_troff(main_text "${main}")

# The command names: the indented first words of the "Commands:" block.
string(REGEX MATCH "Commands:\n(  [^\n]*\n)+" block "${main}")
string(REGEX MATCHALL "\n  [a-z]+" names "${block}")
set(commands "")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  list(APPEND commands ${name})
endforeach()
if(NOT commands)
  message(FATAL_ERROR "no commands found in:\n${main}")
endif()

set(page ".TH VKSUTIL 1 \"\" \"vksutil ${VERSION}\" \"User Commands\"
.SH NAME
vksutil \\- the product's settings, directories, formats, modems and activity log
.SH SYNOPSIS
.nf
${main_text}
.fi
.SH COMMANDS
")
foreach(command IN LISTS commands)
  help_of(text ${command})
  as_troff(text "${text}")
  string(APPEND page ".SS ${command}\n.nf\n${text}\n.fi\n")
endforeach()
string(APPEND page ".SH ENVIRONMENT
.TP
.B VKS_DRIVE_C
the folder that is drive C
.TP
.B VKS_CODEPAGE
the ANSI code page of texts kept in the product's files
.TP
.B VKS_SYSLOG
where the event-log library sends events besides its day files: \\fBoff\\fR, or the path of a
datagram socket (default: /dev/log)
.SH SEE ALSO
.BR journalctl (1)
")
file(WRITE ${OUT} "${page}")
