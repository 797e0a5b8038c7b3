#include "Digest.h"

#include <cmath>
#include <cstdlib>

namespace NsDorna
{
namespace
{
template <typename Sequence>
int sineFold (const Sequence& values)
{
    double x = 0.0;
    for (auto v : values)
        x = std::sin (3.0 * (x + std::sin ((double) v)));
    return std::abs ((int32_t) (1.0e7 * x));
}
} // namespace

int digestForData (const std::vector<uint8_t>& bytes) { return sineFold (bytes); }
int digestForData (const std::vector<int>& values) { return sineFold (values); }

int digestForString (const juce::String& text)
{
    // The first length() bytes of the UTF-8 form, as signed bytes.
    const char* utf8 = text.toRawUTF8();
    const auto length = juce::jmin ((size_t) text.length(), text.getNumBytesAsUTF8());
    std::vector<int> values;
    values.reserve (length);
    for (size_t i = 0; i < length; ++i)
        values.push_back ((int) (int8_t) utf8[i]);
    return sineFold (values);
}

int digestForTexts (const juce::StringArray& texts)
{
    std::vector<int> digests;
    digests.reserve ((size_t) texts.size());
    for (const auto& t : texts)
        digests.push_back (digestForString (t));
    return digestForData (digests);
}

int digestForSlot (const std::vector<uint8_t>& mappingBlock, const juce::StringArray& texts)
{
    return digestForData (std::vector<int> { digestForData (mappingBlock), digestForTexts (texts) });
}

bool isJstrLinesNumEvenP (const juce::String& text)
{
    const auto length = text.trimEnd().length();
    return ! (length >= 1 && length <= 8);
}

bool isJstrLine1EvenP (const juce::String& text) { return text.substring (0, 8).trim().length() % 2 == 0; }

bool isJstrLine2EvenP (const juce::String& text)
{
    if (text.trim().length() == 8)
        return false;
    return text.substring (8, 16).trim().length() % 2 == 0;
}

juce::String addFrontByteForText (const juce::String& text)
{
    const int marker = (isJstrLinesNumEvenP (text) ? 4 : 0) | (isJstrLine1EvenP (text) ? 2 : 0)
                       | (isJstrLine2EvenP (text) ? 1 : 0);
    return juce::String::charToString ((juce::juce_wchar) marker) + text;
}
} // namespace NsDorna
