# Installs the build into a clean staging prefix: cmake -DBUILD=... -DPREFIX=... -P stage.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}" OUTPUT_QUIET
                COMMAND_ERROR_IS_FATAL ANY)
