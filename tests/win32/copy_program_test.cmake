# zarvik3-copy.exe under wine on a real tree: names beyond ASCII and paths beyond 260
# characters arrive whole, and a second run finds nothing left to copy.
# usage: cmake -DEMULATOR=wine -DPROGRAM=zarvik3-copy.exe -DWORK=folder -P copy_program_test.cmake
file(REMOVE_RECURSE ${WORK})
set(deep "")
foreach(level a b c d e)
    string(REPEAT ${level} 60 name)
    set(deep "${deep}/${name}")
endforeach()
file(WRITE "${WORK}/from/plain.txt" "plain")
file(WRITE "${WORK}/from/sub/grün 日本.txt" "utf-8")
file(WRITE "${WORK}/from${deep}/deep.txt" "deep")

# Wine's drive Z: is the Linux root.
function(windows_path out path)
    string(REPLACE "/" "\\" path "${path}")
    set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()
windows_path(from "${WORK}/from")
windows_path(to "${WORK}/to")

function(run_copy)
    execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${from} ${to} --list
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "zarvik3-copy failed (${status}):\n${output}\n${errors}")
    endif()
    set(output "${output}" PARENT_SCOPE)
endfunction()

run_copy()
foreach(relative plain.txt "sub/grün 日本.txt" "${deep}/deep.txt")
    file(READ "${WORK}/from/${relative}" expected)
    file(READ "${WORK}/to/${relative}" copied)
    if(NOT copied STREQUAL expected)
        message(FATAL_ERROR "${relative} was not copied whole: '${copied}'")
    endif()
endforeach()
run_copy()
if(output MATCHES "plain\\.txt|deep\\.txt")
    message(FATAL_ERROR "the second run copied again:\n${output}")
endif()
file(REMOVE_RECURSE ${WORK})
