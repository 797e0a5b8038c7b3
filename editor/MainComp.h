#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace NsDorna
{
// The editor page. For now a plain page: it keeps the product id, runs the editor host and the
// device link, and paints the editor's background.
class MainComp : public juce::Component
{
public:
    explicit MainComp (int pid);
    ~MainComp() override;

    void paint (juce::Graphics&) override;

    // How many pages were deleted in this process (checked by the close path's tests).
    static int deletedCount();

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComp)
};
} // namespace NsDorna
