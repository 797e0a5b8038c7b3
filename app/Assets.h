#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The application's files: Resources/ sits beside the executable's folder
// (bin/../Resources on Linux and Windows, Contents/Resources in a macOS bundle).
juce::File getResourcesDirectory();
juce::File getExamplesDirectory();
std::unique_ptr<juce::InputStream> createAssetInputStream (const char* resourcePath);
juce::Image getImageFromAssets (const char* assetName);
