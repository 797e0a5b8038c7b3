# JUCE's modules, compiled once into one static library that every target links.
add_library(korvel_juce STATIC)
target_link_libraries(korvel_juce
  PRIVATE
    juce::juce_core juce::juce_events juce::juce_data_structures
    juce::juce_graphics juce::juce_gui_basics juce::juce_gui_extra
    juce::juce_audio_basics juce::juce_audio_devices juce::juce_opengl
  PUBLIC
    juce::juce_recommended_config_flags)
target_compile_definitions(korvel_juce PUBLIC
  JUCE_WEB_BROWSER=0
  JUCE_USE_CURL=1
  JUCE_MODAL_LOOPS_PERMITTED=1
  JUCE_DISPLAY_SPLASH_SCREEN=0
  JUCE_REPORT_APP_USAGE=0
  JUCE_STANDALONE_APPLICATION=1
  JUCE_APPLICATION_NAME_STRING="Dorna Korvel"
  JUCE_APPLICATION_VERSION_STRING="1.09")
if(UNIX AND NOT APPLE)
  target_link_libraries(korvel_juce PUBLIC
    juce::pkgconfig_JUCE_IMG_LINUX_DEPS juce::pkgconfig_JUCE_CURL_LINUX_DEPS)
endif()
# Consumers need the module macros and include paths the modules gave the library.
target_compile_definitions(korvel_juce INTERFACE $<TARGET_PROPERTY:korvel_juce,COMPILE_DEFINITIONS>)
target_include_directories(korvel_juce SYSTEM INTERFACE $<TARGET_PROPERTY:korvel_juce,INCLUDE_DIRECTORIES>)
set_target_properties(korvel_juce PROPERTIES POSITION_INDEPENDENT_CODE ON)
# Debian's JUCE still calls a few deprecated libcurl functions; that is not ours to fix.
target_compile_options(korvel_juce PRIVATE -Wno-deprecated-declarations)
