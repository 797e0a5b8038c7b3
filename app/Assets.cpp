#include "Assets.h"

juce::File getResourcesDirectory()
{
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile)
        .getParentDirectory()
        .getParentDirectory()
        .getChildFile ("Resources");
}

juce::File getExamplesDirectory()
{
    const auto app = juce::File::getSpecialLocation (juce::File::currentApplicationFile);
    const auto beside = app.getParentDirectory().getChildFile ("resources");
    if (beside.isDirectory())
        return beside;

    auto dir = app;
    for (int i = 0; i < 15 && dir.getFileName() != "resources"; ++i)
    {
        const auto parent = dir.getParentDirectory();
        if (parent == dir)
            break;
        dir = parent;
    }
    return dir;
}

std::unique_ptr<juce::InputStream> createAssetInputStream (const char* resourcePath)
{
    auto assets = getResourcesDirectory().getChildFile ("Assets");
    if (! assets.isDirectory())
        assets = getExamplesDirectory().getChildFile ("Assets");

    const auto file = assets.getChildFile (resourcePath);
    if (! file.existsAsFile())
        return {};
    return file.createInputStream();
}

juce::Image getImageFromAssets (const char* assetName)
{
    const auto hashCode = (juce::String (assetName) + "@juce_demo_assets").hashCode64();
    auto img = juce::ImageCache::getFromHashCode (hashCode);

    if (img.isNull())
    {
        if (auto stream = createAssetInputStream (assetName))
        {
            img = juce::ImageFileFormat::loadFrom (*stream);
            if (img.isValid())
                juce::ImageCache::addImageToCache (img, hashCode);
        }
    }
    return img;
}
