# cmake -DINPUT=messages.inc -DOUTPUT_DIR=dir -DNAME=messages -DWINDMC=windmc
#       -P VksMessageTable.cmake
# Compiles a list of message tables into dir/NAME.rc and its .bin files, message table 1 in
# each language. The list: VKS_MESSAGE_TABLE(name, LANG_x) opens a language,
# VKS_MESSAGE(0xIIIIIIII, "text\r\n") adds a message, VKS_MESSAGE_TABLE_END closes it.
#
# The message compiler ends every text with the line ending of its source (CR LF here) and knows
# languages only with a sub-language, so each table is compiled as the language's default and
# then given the neutral sub-language, which serves every regional variant.
set(language_ids LANG_GERMAN=0x407 LANG_ENGLISH=0x409 LANG_SPANISH=0x40a LANG_FRENCH=0x40c
    LANG_ITALIAN=0x410 LANG_JAPANESE=0x411)
set(severities Success Informational Warning Error)
set(crlf "\r\n")

file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(names "")
set(body "")
set(language "")
foreach(line IN LISTS lines)
  if(line MATCHES "^VKS_MESSAGE_TABLE\\(([A-Za-z]+), (LANG_[A-Z]+)\\)$")
    set(language "${CMAKE_MATCH_1}")
    set(language_name "${CMAKE_MATCH_2}")
    set(id "")
    foreach(pair IN LISTS language_ids)
      if(pair MATCHES "^${language_name}=(.*)$")
        set(id "${CMAKE_MATCH_1}")
      endif()
    endforeach()
    if(id STREQUAL "")
      message(FATAL_ERROR "${INPUT}: no language number for: ${line}")
    endif()
    string(APPEND names " ${language}=${id}:${NAME}_${language}")
  elseif(line MATCHES "^VKS_MESSAGE\\((0x[0-9A-Fa-f]+), \"(.*)\\\\r\\\\n\"\\)$")
    set(text "${CMAKE_MATCH_2}")
    math(EXPR severity "(${CMAKE_MATCH_1} >> 30) & 3")
    math(EXPR code "${CMAKE_MATCH_1} & 0xFFFF" OUTPUT_FORMAT HEXADECIMAL)
    math(EXPR rest "${CMAKE_MATCH_1} & 0x3FFF0000")
    if(NOT rest EQUAL 0 OR text MATCHES "\\\\" OR language STREQUAL "")
      message(FATAL_ERROR "${INPUT}: the message compiler cannot take: ${line}")
    endif()
    list(GET severities ${severity} severity_name)
    string(APPEND body "MessageId=${code}${crlf}Severity=${severity_name}${crlf}"
                       "Facility=None${crlf}Language=${language}${crlf}${text}${crlf}.${crlf}${crlf}")
  elseif(line STREQUAL "VKS_MESSAGE_TABLE_END")
    set(language "")
  elseif(line MATCHES "^VKS_MESSAGE")
    message(FATAL_ERROR "${INPUT}: not a message line: ${line}")
  endif()
endforeach()

file(MAKE_DIRECTORY "${OUTPUT_DIR}")
file(WRITE "${OUTPUT_DIR}/${NAME}.mc"
  "; Made from ${INPUT}.${crlf}"
  "MessageIdTypedef=DWORD${crlf}"
  "SeverityNames=(Success=0x0 Informational=0x1 Warning=0x2 Error=0x3)${crlf}"
  "FacilityNames=(None=0x0)${crlf}"
  "LanguageNames=(${names} )${crlf}${crlf}"
  "${body}")

execute_process(COMMAND "${WINDMC}" -a -C 65001 -U -h . -r . ${NAME}.mc
                WORKING_DIRECTORY "${OUTPUT_DIR}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${WINDMC} failed on ${OUTPUT_DIR}/${NAME}.mc")
endif()
file(READ "${OUTPUT_DIR}/${NAME}.rc" rc)
string(REGEX REPLACE "LANGUAGE (0x[0-9a-fA-F]+), 0x1" "LANGUAGE \\1, 0x0" rc "${rc}")
file(WRITE "${OUTPUT_DIR}/${NAME}.rc" "${rc}")
