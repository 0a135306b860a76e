# morveta_find_python(VARIABLE MODULE...): sets VARIABLE to a Python 3 that
# imports every MODULE: the one CMake finds (a virtual environment's, or the
# one Python3_EXECUTABLE names), else the system's, where an interpreter of
# its own ahead of it on PATH lacks them. VARIABLE is the first found when
# none has them, so that what uses it says which module is missing.
function(morveta_find_python variable)
    set(Python3_FIND_VIRTUALENV FIRST)
    find_package(Python3 COMPONENTS Interpreter QUIET)
    list(JOIN ARGN ", " modules)
    foreach(candidate IN ITEMS "${Python3_EXECUTABLE}" /usr/bin/python3)
        if(candidate AND EXISTS "${candidate}")
            execute_process(COMMAND ${candidate} -c "import ${modules}"
                RESULT_VARIABLE missing OUTPUT_QUIET ERROR_QUIET)
            if(NOT missing)
                set(${variable} ${candidate} PARENT_SCOPE)
                return()
            endif()
        endif()
    endforeach()
    set(${variable} ${Python3_EXECUTABLE} PARENT_SCOPE)
endfunction()
