# Writes the tool's manual page, gzipped, from its own help, so that the page says what the
# program does: help2man makes the page from `valdren --help`, and a COMMANDS section from the
# help of every command and subcommand it lists.
#   cmake -DTOOL=... -DHELP2MAN=... -DGZIP=... -DINCLUDE=valdren.h2m -DEPOCH=... -DOUTPUT=valdren.1.gz
#         -P ToolManPage.cmake
foreach(name TOOL HELP2MAN GZIP INCLUDE EPOCH OUTPUT)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "ToolManPage.cmake needs -D${name}=...")
  endif()
endforeach()
# help2man dates the page by this (the release's date, not the build's); the C locale keeps the
# tool's help and the month's name in English.
set(ENV{SOURCE_DATE_EPOCH} "${EPOCH}")
set(ENV{LC_ALL} C)

function(run_checked output_variable)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE output RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${status})")
  endif()
  set(${output_variable} "${output}" PARENT_SCOPE)
endfunction()

# The commands a help text lists under "Subcommands:", one a line, indented by two spaces.
function(listed_commands help output_variable)
  set(commands)
  string(REGEX REPLACE ".*\nSubcommands:\n" "" listed "${help}")
  if(NOT listed STREQUAL help)
    string(REPLACE "\n" ";" lines "${listed}")
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "^  ([a-z][a-z0-9-]*) ")
        break()
      endif()
      list(APPEND commands "${CMAKE_MATCH_1}")
    endforeach()
  endif()
  set(${output_variable} "${commands}" PARENT_SCOPE)
endfunction()

# Each command's help as help2man formats it, under a subsection named by its usage line; the
# headings help2man gives its parts become bold paragraphs inside the subsection.
set(section "")
function(add_command words)
  string(REPLACE ";" " " line "${words}")
  run_checked(help "${TOOL}" ${words} --help)
  if(NOT help MATCHES "\nUsage: ([^\n]*)")
    message(FATAL_ERROR "valdren ${line} --help gives no usage line")
  endif()
  set(usage "${CMAKE_MATCH_1}")
  run_checked(page "${HELP2MAN}" --no-info --name=- "--help-option=${line} --help" "${TOOL}")
  string(REGEX REPLACE ".*\n\\.SH DESCRIPTION\n" "" body "${page}")
  string(REGEX REPLACE "\n\\.S[HS] \"?([^\n\":]*):?\"?" "\n.PP\n\\\\fB\\1\\\\fR" body "${body}")
  string(REPLACE "\\fBOPTIONS\\fR" "\\fBOptions\\fR" body "${body}")
  string(REPLACE "-" "\\-" usage "${usage}")
  string(APPEND section ".SS \"${usage}\"\n${body}")
  listed_commands("${help}" subcommands)
  foreach(subcommand IN LISTS subcommands)
    add_command("${words};${subcommand}")
  endforeach()
  set(section "${section}" PARENT_SCOPE)
endfunction()

run_checked(help "${TOOL}" --help)
listed_commands("${help}" commands)
if(NOT commands)
  message(FATAL_ERROR "valdren --help lists no commands")
endif()
foreach(command IN LISTS commands)
  add_command("${command}")
endforeach()

get_filename_component(folder "${OUTPUT}" DIRECTORY)
set(commands_file "${folder}/valdren-commands.h2m")
file(WRITE "${commands_file}" "[COMMANDS]\n${section}")
string(REGEX REPLACE "\\.gz$" "" page "${OUTPUT}")
run_checked(ignored "${HELP2MAN}" --no-info "--include=${commands_file}" "--include=${INCLUDE}"
            "--output=${page}" "${TOOL}")
execute_process(COMMAND "${GZIP}" -9n -c "${page}" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "gzip ${page} failed (${status})")
endif()
