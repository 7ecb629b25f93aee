# How lupdate writes the catalogues from the forms. Shared by the target that
# refreshes them and by the test that keeps the committed ones in step.
#
# The languages are given: lupdate would guess them from the file name and
# leave the source language unset. Texts no longer in any form are dropped,
# and no line numbers are kept, so that editing a form moves nothing else.
set(VEXARO_LUPDATE_OPTIONS -no-obsolete -locations none -source-language da_DK -extensions ui)

# vexaro_catalogue_language(<var> <path/vexaroui_<language>.ts>)
function(vexaro_catalogue_language var catalogue)
    get_filename_component(name ${catalogue} NAME_WE)
    if(NOT name MATCHES "^vexaroui_(.+)$")
        message(FATAL_ERROR "${catalogue}: a catalogue is called vexaroui_<language>.ts")
    endif()
    set(${var} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
