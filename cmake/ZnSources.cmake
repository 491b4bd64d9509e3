# Source lists gathered by folder, so that adding a file never means editing a shared list.
#   core:  src/<subsystem>/*.cpp          (no Qt)
#   ui:    src/<subsystem>/ui/*.cpp       (Qt)
set(ZN_SUBSYSTEMS base editor tags structure app)

function(zn_glob out pattern)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${pattern})
    list(SORT found)
    set(${out} ${found} PARENT_SCOPE)
endfunction()

function(zn_core_sources out)
    set(all "")
    foreach(sub ${ZN_SUBSYSTEMS})
        file(GLOB found CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/src/${sub}/*.cpp ${PROJECT_SOURCE_DIR}/src/${sub}/*.h)
        list(APPEND all ${found})
    endforeach()
    list(SORT all)
    set(${out} ${all} PARENT_SCOPE)
endfunction()

function(zn_ui_sources out)
    set(all "")
    foreach(sub ${ZN_SUBSYSTEMS})
        file(GLOB found CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/src/${sub}/ui/*.cpp ${PROJECT_SOURCE_DIR}/src/${sub}/ui/*.h
             ${PROJECT_SOURCE_DIR}/src/${sub}/ui/*.qrc)
        list(APPEND all ${found})
    endforeach()
    list(FILTER all EXCLUDE REGEX "/main\\.cpp$")
    list(SORT all)
    set(${out} ${all} PARENT_SCOPE)
endfunction()
