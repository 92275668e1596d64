# find_package(rigsmith) from an install or from a build folder: the imported
# executable rigsmith::rigsmith and rigsmith_add_skeletons().
include("${CMAKE_CURRENT_LIST_DIR}/rigsmithTargets.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/rigsmithFunctions.cmake")
