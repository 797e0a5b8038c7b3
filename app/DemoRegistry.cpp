#include "DemoRegistry.h"

#include "Assets.h"
#include "editor/MainComp.h"

namespace JUCEDemos
{
std::vector<DemoCategory>& getCategories()
{
    static std::vector<DemoCategory> categories;
    return categories;
}

DemoCategory& getCategory (const juce::String& name)
{
    auto& categories = getCategories();
    for (auto& c : categories)
        if (c.name == name)
            return c;

    categories.push_back ({ name, {} });
    return categories.back();
}

void registerDemo (std::function<juce::Component*()> constructorCallback, const juce::String& filePath,
                   const juce::String& category, bool isHeavyweight)
{
    const auto resources = getResourcesDirectory();
    if (resources == juce::File())
        return;

    getCategory (category).demos.push_back (
        { resources.getChildFile (filePath), std::move (constructorCallback), isHeavyweight });
}
} // namespace JUCEDemos

constexpr int dornaPid = 2054;

juce::Component* createDefaultDemo() { return new NsDorna::MainComp (dornaPid); }

void registerDemos_Korvels()
{
    JUCEDemos::registerDemo ([] { return createDefaultDemo(); }, "Controllers/Dorna", "Controllers", false);
}

void registerAllDemos() noexcept { registerDemos_Korvels(); }
