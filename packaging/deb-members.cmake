# SPDX-License-Identifier: MIT
# Run by CPack after it made the package. The three members of a .deb are files that CPack
# wrote, and the archive takes their modes, which follow the umask: they are archived again by
# ar in its deterministic mode (mode 0644, owner 0, time 0), so that the package is the same
# whatever the umask of the build.
foreach(package ${CPACK_PACKAGE_FILES})
    set(members ${CPACK_TOPLEVEL_DIRECTORY}/deb-members)
    file(REMOVE_RECURSE ${members})
    file(MAKE_DIRECTORY ${members})
    execute_process(COMMAND ar t ${package} OUTPUT_VARIABLE names COMMAND_ERROR_IS_FATAL ANY)
    string(STRIP "${names}" names)
    string(REPLACE "\n" ";" names "${names}")
    execute_process(COMMAND ar x ${package} WORKING_DIRECTORY ${members} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${package})
    execute_process(COMMAND ar rcD ${package} ${names} WORKING_DIRECTORY ${members} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${members})
endforeach()
