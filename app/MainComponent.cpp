#include "MainComponent.h"

#include "DemoRegistry.h"

namespace
{
constexpr int tabBarDepth = 0;
constexpr int menuButtonWidth = 150;
const char* const openGLRendererName = "OpenGL Renderer";
} // namespace

void DemoContent::setComponent (juce::Component* newComponent)
{
    comp.reset (newComponent);
    if (comp != nullptr)
    {
        addAndMakeVisible (*comp);
        resized();
    }
}

void DemoContent::resized()
{
    if (comp != nullptr)
        comp->setBounds (getLocalBounds());
}

DemoContentComponent::DemoContentComponent (std::function<void (bool)> pageChangedCallback)
    : juce::TabbedComponent (juce::TabbedButtonBar::TabsAtTop),
      demoChangedCallback (std::move (pageChangedCallback))
{
    setTabBarDepth (tabBarDepth);
    setOutline (0);
    setIndent (0);
    addTab (" ", juce::Colours::transparentBlack, &demoContent, false);
}

void DemoContentComponent::setContent (juce::Component* newComponent)
{
    demoContent.setComponent (newComponent);
}

juce::Component* DemoContentComponent::getCurrentPage() const noexcept { return demoContent.getComponent(); }

void DemoContentComponent::clearCurrentDemo()
{
    demoContent.setComponent (nullptr);
    currentCategory = {};
    currentDemoIndex = -1;
    if (demoChangedCallback)
        demoChangedCallback (false);
}

void DemoContentComponent::setTabBarIndent (int indent) { tabBarIndent = indent; }

bool DemoContentComponent::isShowingHomeScreen() const { return false; }

int& DemoContentComponent::initQ()
{
    static int count = 0;
    return count;
}

void DemoContentComponent::resized()
{
    juce::TabbedComponent::resized();
    getTabbedButtonBar().setBounds (getTabbedButtonBar().getBounds().withTrimmedLeft (tabBarIndent));

    if (initQ() < centringResizes)
    {
        ++initQ();
        if (auto* top = getTopLevelComponent(); top != nullptr && top != this && top->isOnDesktop())
            top->centreWithSize (top->getWidth(), top->getHeight());
    }
}

MainComponent::MainComponent()
{
    contentComponent = std::make_unique<DemoContentComponent> ([this] (bool isHeavyweight) {
        isShowingHeavyweightDemo = isHeavyweight;
        hideSidePanel();
        resized();
    });

    // The page list and its header are dormant; the panel keeps an empty content.
    sidePanel.setContent (new juce::Component(), true);
    sidePanel.setVisible (false);

    showDemosButton.onClick = [this] { hideSidePanel(); };

    addAndMakeVisible (*contentComponent);
    addAndMakeVisible (showDemosButton);
    addAndMakeVisible (sidePanel);

    contentComponent->setContent (createDefaultDemo());
}

MainComponent::~MainComponent()
{
    clearPage();
    if (openGLContext.isAttached())
        openGLContext.detach();
}

void MainComponent::clearPage()
{
    if (contentComponent != nullptr && contentComponent->getCurrentPage() != nullptr)
        contentComponent->setContent (nullptr);
}

void MainComponent::hideSidePanel()
{
    if (sidePanel.isPanelShowing())
        sidePanel.showOrHide (false);
}

void MainComponent::homeButtonClicked() { hideSidePanel(); }
void MainComponent::settingsButtonClicked() { hideSidePanel(); }

void MainComponent::resized()
{
    auto bounds = getLocalBounds();
    showDemosButton.setBounds (0, 0, menuButtonWidth, tabBarDepth);

    if (isShowingHeavyweightDemo)
    {
        bounds.removeFromLeft (sidePanelWidth);
        contentComponent->setTabBarIndent (juce::jmax (0, menuButtonWidth - sidePanelWidth));
    }
    else
    {
        contentComponent->setTabBarIndent (menuButtonWidth);
    }
    contentComponent->setBounds (bounds);
}

bool MainComponent::hitTest (int x, int y)
{
    // Pointer tracking can only ever hide the panel: it never opens in this program.
    if (sidePanel.isPanelShowing() && x > 12 && ! showDemosButton.getBounds().contains (x, y)
        && ! sidePanel.getBounds().contains (x, y))
        hideSidePanel();
    return juce::Component::hitTest (x, y);
}

void MainComponent::parentHierarchyChanged()
{
    if (getPeer() != peer)
        updateRenderingEngines();
}

void MainComponent::updateRenderingEngines()
{
    const auto previous = renderingEngines[currentRenderingEngineIdx];
    peer = getPeer();
    renderingEngines.clear();
    currentRenderingEngineIdx = -1;
    if (peer == nullptr)
        return;

    renderingEngines = peer->getAvailableRenderingEngines();
    renderingEngines.add (openGLRendererName);

    const auto again = renderingEngines.indexOf (previous);
    setRenderingEngine (again >= 0 ? again : peer->getCurrentRenderingEngine());
}

void MainComponent::setRenderingEngine (int index)
{
    if (! juce::isPositiveAndBelow (index, renderingEngines.size()))
        return;
    currentRenderingEngineIdx = index;

    if (renderingEngines[index] == openGLRendererName)
    {
        if (! isShowingHeavyweightDemo && ! openGLContext.isAttached())
            openGLContext.attachTo (*getTopLevelComponent());
        return;
    }

    if (openGLContext.isAttached())
        openGLContext.detach();
    if (peer != nullptr)
        peer->setCurrentRenderingEngine (index);
}
