# Writes a program's manual page from its --help:
#   cmake -DPROGRAM=path -DNAME=sensor-monitor -DVERSION=0.1.0 -DOUTPUT=x.1.gz -P ManPage.cmake
# The help text has this shape: a "Usage: NAME ARGS" line, a description up to
# the first blank line, then options, each "  --option ARG   what it does" with
# continuation lines indented further; other unindented lines are paragraphs.
cmake_minimum_required(VERSION 3.25)

foreach(var PROGRAM NAME VERSION OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ManPage.cmake needs -D${var}=...")
  endif()
endforeach()

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()

# Text for roff: a backslash is written \e, and a line must not begin with a
# control character.
function(roff_text result text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# An option's term: "--port NAME" as bold option, italic argument.
function(roff_term result term)
  string(REPLACE "-" "\\-" term "${term}")
  string(REGEX REPLACE "^([^ ,]+)" "\\\\fB\\1\\\\fR" term "${term}")
  string(REGEX REPLACE " ([^ ]+)$" " \\\\fI\\1\\\\fR" term "${term}")
  set(${result} "${term}" PARENT_SCOPE)
endfunction()

# Lines as a list: the list separator in the text is escaped first.
string(REPLACE ";" "\\;" help "${help}")
string(REGEX REPLACE "\n$" "" help "${help}")
string(REPLACE "\n" ";" lines "${help}")

string(TOUPPER "${NAME}" title)
set(page ".TH ${title} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"\n")
set(section usage)
foreach(line IN LISTS lines)
  if(section STREQUAL "usage")
    string(REGEX REPLACE "^[Uu]sage: *[^ ]+ *" "" arguments "${line}")
    roff_text(arguments "${arguments}")
    set(synopsis ".SH SYNOPSIS\n.B ${NAME}\n${arguments}\n")
    set(description "")
    set(section description)
  elseif(section STREQUAL "description")
    if(line STREQUAL "")
      # The first clause of the description names the program in the NAME section.
      string(REGEX MATCH "^[^.:]*" summary "${description}")
      string(SUBSTRING "${summary}" 0 1 first)
      string(SUBSTRING "${summary}" 1 -1 rest)
      string(TOLOWER "${first}" first)
      string(APPEND page ".SH NAME\n${NAME} \\- ${first}${rest}\n${synopsis}")
      string(APPEND page ".SH DESCRIPTION\n${description}\n.SH OPTIONS\n")
      set(section options)
    else()
      roff_text(line "${line}")
      if(description STREQUAL "")
        set(description "${line}")
      else()
        string(APPEND description " ${line}")
      endif()
    endif()
  elseif(line MATCHES "^  ([-][^ ]*( [^ -][^ ]*)?)( +(.*))?$")
    roff_term(term "${CMAKE_MATCH_1}")
    roff_text(text "${CMAKE_MATCH_4}")
    string(APPEND page ".TP\n${term}\n${text}\n")
  elseif(line MATCHES "^   +(.*)$")
    roff_text(text "${CMAKE_MATCH_1}")
    string(APPEND page "${text}\n")
  elseif(line STREQUAL "")
    string(APPEND page ".PP\n")
  else()
    roff_text(text "${line}")
    string(APPEND page ".PP\n${text}\n")
  endif()
endforeach()
if(NOT section STREQUAL "options")
  message(FATAL_ERROR "${PROGRAM} --help has no blank line after its description")
endif()

# Written beside the output, then compressed as manual pages are installed.
string(REGEX REPLACE "\\.gz$" "" plain "${OUTPUT}")
file(WRITE "${plain}" "${page}")
file(ARCHIVE_CREATE OUTPUT "${OUTPUT}" PATHS "${plain}" FORMAT raw COMPRESSION GZip)
