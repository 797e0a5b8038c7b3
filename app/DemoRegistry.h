#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <vector>

// The shell's registry of pages by category.
namespace JUCEDemos
{
struct FileAndCallback
{
    juce::File demoFile;
    std::function<juce::Component*()> callback;
    bool isHeavyweight;
};

struct DemoCategory
{
    juce::String name;
    std::vector<FileAndCallback> demos;
};

std::vector<DemoCategory>& getCategories();
DemoCategory& getCategory (const juce::String& name);
void registerDemo (std::function<juce::Component*()> constructorCallback, const juce::String& filePath,
                   const juce::String& category, bool isHeavyweight);
} // namespace JUCEDemos

void registerDemos_Korvels();
void registerAllDemos() noexcept;
juce::Component* createDefaultDemo();
