#pragma once

#include <juce_gui_basics/juce_gui_basics.h>
#include <juce_opengl/juce_opengl.h>

#include <functional>
#include <memory>

// Holds the page; kept filling its bounds. A new page deletes the previous one.
class DemoContent : public juce::Component
{
public:
    void setComponent (juce::Component* newComponent);
    juce::Component* getComponent() const noexcept { return comp.get(); }
    void resized() override;

private:
    std::unique_ptr<juce::Component> comp;
};

// The tabbed content area; its tab bar has no height, so only the page shows.
class DemoContentComponent : public juce::TabbedComponent
{
public:
    explicit DemoContentComponent (std::function<void (bool)> pageChangedCallback);

    void setContent (juce::Component* newComponent);
    juce::Component* getCurrentPage() const noexcept;
    void clearCurrentDemo();
    void setTabBarIndent (int indent);
    bool isShowingHomeScreen() const;

    void resized() override;

    // How many resizes still re-centre the window (process-wide).
    static int& initQ();
    static constexpr int centringResizes = 5;

private:
    DemoContent demoContent;
    juce::String currentCategory;
    int currentDemoIndex = -1;
    std::function<void (bool)> demoChangedCallback;
    int tabBarIndent = 0;
};

class MainComponent : public juce::Component
{
public:
    MainComponent();
    ~MainComponent() override;

    void resized() override;
    bool hitTest (int x, int y) override;
    void parentHierarchyChanged() override;

    juce::SidePanel& getSidePanel() noexcept { return sidePanel; }
    DemoContentComponent& getContent() noexcept { return *contentComponent; }
    bool isPageCreated() const noexcept { return contentComponent->getCurrentPage() != nullptr; }

    void homeButtonClicked();
    void settingsButtonClicked();
    void setRenderingEngine (int index);

    // Deletes the page now; the window's close path calls it before quitting.
    void clearPage();

private:
    void hideSidePanel();
    void updateRenderingEngines();

    juce::SidePanel sidePanel { "", 200, true };
    juce::OpenGLContext openGLContext;
    juce::StringArray renderingEngines;
    juce::ComponentPeer* peer = nullptr;
    int currentRenderingEngineIdx = -1;
    juce::TextButton showDemosButton { "Menu" };
    std::unique_ptr<DemoContentComponent> contentComponent;
    int sidePanelWidth = 0;
    bool isShowingHeavyweightDemo = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComponent)
};
