#include "MappingValidator.h"

#include "ControlIds.h"
#include "CtlEnums.h"
#include "DisplayTexts.h"
#include "FuncNames.h"
#include "Tags.h"

#include <optional>

namespace NsDorna
{
namespace
{
juce::String rangeText (int lo, int hi)
{
    static const juce::String enDash = juce::String::fromUTF8 ("\xe2\x80\x93");
    if (lo == hi)
        return juce::String (lo);
    return lo < 0 ? juce::String (lo) + " to " + juce::String (hi) : juce::String (lo) + enDash + juce::String (hi);
}

juce::String quoted (const juce::String& s) { return "'" + s + "'"; }
juce::String quoted (const juce::Identifier& id) { return quoted (id.toString()); }

// A whole number written plainly: an optional minus and 1 to 9 digits.
std::optional<int> parseWholeNumber (const juce::String& text)
{
    auto p = text.getCharPointer();
    const bool negative = *p == '-';
    if (negative)
        ++p;
    int digits = 0;
    int value = 0;
    for (; ! p.isEmpty(); ++p)
    {
        const auto c = *p;
        if (c < '0' || c > '9' || ++digits > 9)
            return {};
        value = value * 10 + (int) (c - '0');
    }
    if (digits == 0)
        return {};
    return negative ? -value : value;
}

// Property values are texts when read from XML, numbers or bools when set in memory.
std::optional<int> wholeNumber (const juce::var& v)
{
    if (v.isInt() || v.isBool())
        return (int) v;
    if (v.isInt64() || v.isDouble())
    {
        const double d = v;
        if (d == (double) (int) d)
            return (int) d;
        return {};
    }
    if (v.isString())
        return parseWholeNumber (v.toString());
    return {};
}

juce::StringArray slugList (int first, int last, juce::String (*slugFor) (int), bool withNil)
{
    juce::StringArray a;
    for (int i = first; i <= last; ++i)
        a.add (slugFor (i));
    if (withNil)
        a.add ("nil");
    return a;
}

// "nil" is what a fresh tree holds; it reads as "null" (value type) or "note" (message type).
const juce::StringArray& kindSlugs()
{
    static const auto a = slugList (CtlType::keyboard, CtlType::other, CtlType::slugForType, false);
    return a;
}
const juce::StringArray& valueTypeSlugs()
{
    static const auto a = slugList (CtlValueType::func, CtlValueType::null, CtlValueType::slugForType, true);
    return a;
}
const juce::StringArray& msgTypeSlugs()
{
    static const auto a = slugList (MsgType::note, MsgType::null, MsgType::slugForType, true);
    return a;
}

bool isModifierFlag (const juce::Identifier& name)
{
    for (int c = 0; c < 3; ++c)
    {
        const auto& k = Tags::hotkey (c);
        if (name == k.ctrl || name == k.shift || name == k.alt || name == k.cmd)
            return true;
    }
    return name == Tags::diyNameQ;
}

// Walks the tree and stops at the first problem. The place of a problem is built only then.
class Checker
{
public:
    juce::Result checkTree (const juce::ValueTree& root)
    {
        if (root.getType() != Tags::slots)
            return fail ("the root element is " + quoted (root.getType().toString()) + ", must be " + quoted (Tags::slots));

        if (! checkProperties (root, [this] (const juce::Identifier& name, const juce::var& v) {
                return name == Tags::current ? checkInt (name, v, MyConf::baseSlotID, MyConf::maxSlotID) : true;
            }))
            return result;
        if (! checkChildren (root, Tags::slot, MyConf::numOfSlots, "slots"))
            return result;

        for (slot = 0; slot < MyConf::numOfSlots; ++slot)
            if (! checkSlot (root.getChild (slot)))
                return result;
        return juce::Result::ok();
    }

    juce::Result checkText (const juce::XmlElement& root)
    {
        slot = mode = cid = -1;
        int s = 0;
        if (! textFree (root))
            return result;
        for (auto* slotXml : root.getChildIterator())
        {
            slot = s++;
            if (! textFree (*slotXml))
                return result;
            int m = 1;
            for (auto* modeXml : slotXml->getChildIterator())
            {
                mode = m++;
                if (! textFree (*modeXml))
                    return result;
                int c = 1;
                for (auto* ctlXml : modeXml->getChildIterator())
                {
                    cid = c++;
                    if (! textFree (*ctlXml))
                        return result;
                }
                cid = -1;
            }
            mode = -1;
        }
        return juce::Result::ok();
    }

private:
    juce::String place() const
    {
        if (slot < 0)
            return "Mapping";
        auto p = "Slot " + juce::String (slot + 1);
        if (mode > 0)
            p << ", mode " << CtlMode::slugForType (mode);
        if (cid > 0)
            p << ", control " << cid;
        return p;
    }

    bool fail (const juce::String& what, bool atRoot)
    {
        result = juce::Result::fail (atRoot ? what : place() + ": " + what);
        return false;
    }
    juce::Result fail (const juce::String& what)
    {
        fail (what, true);
        return result;
    }

    bool textFree (const juce::XmlElement& e)
    {
        for (auto* child : e.getChildIterator())
            if (child->isTextElement())
                return fail ("holds the text " + quoted (child->getText().trim().substring (0, 20)) + ", a mapping has none", false);
        return true;
    }

    // Calls `check` for every property; refuses binary values and properties given twice.
    template <typename Check>
    bool checkProperties (const juce::ValueTree& node, Check&& check)
    {
        const int n = node.getNumProperties();
        names.clearQuick();
        for (int i = 0; i < n; ++i)
        {
            names.add (node.getPropertyName (i));
            for (int j = 0; j < i; ++j)
                if (names.getReference (j) == names.getReference (i))
                    return fail (quoted (names.getReference (i)) + " appears twice", false);
        }
        for (int i = 0; i < n; ++i)
        {
            const auto& name = names.getReference (i);
            // ValueTree reads an XML attribute "base64:x" as a binary x, which the editor never writes.
            const auto& v = node.getProperty (name);
            if (v.isBinaryData())
                return fail (quoted (name) + " holds binary data, which a mapping never has", false);
            if (! check (name, v))
                return false;
        }
        return true;
    }

    bool checkChildren (const juce::ValueTree& parent, const juce::Identifier& type, int count, const char* plural)
    {
        const int n = parent.getNumChildren();
        if (n != count)
            return fail ("has " + juce::String (n) + " " + plural + ", must have " + juce::String (count), false);
        for (int i = 0; i < n; ++i)
        {
            const auto t = parent.getChild (i).getType();
            if (t != type)
                return fail ("element " + juce::String (i + 1) + " is " + quoted (t.toString()) + ", must be " + quoted (type), false);
        }
        return true;
    }

    bool checkInt (const juce::Identifier& name, const juce::var& v, int lo, int hi, int* out = nullptr)
    {
        const auto n = wholeNumber (v);
        if (! n)
            return fail (quoted (name) + " is " + quoted (v.toString()) + ", must be "
                             + (lo == hi ? juce::String() : juce::String ("a whole number ")) + rangeText (lo, hi), false);
        if (*n < lo || *n > hi)
            return fail (quoted (name) + " is " + juce::String (*n) + ", must be " + rangeText (lo, hi), false);
        if (out != nullptr)
            *out = *n;
        return true;
    }

    bool checkFlag (const juce::Identifier& name, const juce::var& v)
    {
        const auto n = wholeNumber (v);
        if (n && (*n == 0 || *n == 1))
            return true;
        return fail (quoted (name) + " is " + quoted (v.toString()) + ", must be 0 or 1", false);
    }

    bool checkSlug (const juce::Identifier& name, const juce::var& v, const juce::StringArray& slugs)
    {
        if (v.isString() && slugs.contains (v.toString()))
            return true;
        return fail (quoted (name) + " is " + quoted (v.toString()) + ", must be one of " + slugs.joinIntoString (", "), false);
    }

    bool checkId (const juce::ValueTree& node, int expected)
    {
        if (! node.hasProperty (Tags::id))
            return fail (quoted (Tags::id) + " is missing, must be " + juce::String (expected), false);
        return true;
    }

    bool checkSlot (const juce::ValueTree& node)
    {
        mode = cid = -1;
        if (! checkProperties (node, [this] (const juce::Identifier& name, const juce::var& v) {
                if (name == Tags::id)
                    return checkInt (name, v, slot, slot);
                if (name == Tags::current)
                    return checkInt (name, v, 0, MyConf::numOfModes);
                if (name == Tags::daw1 || name == Tags::daw2 || name == Tags::daw3)
                    return checkFlag (name, v);
                return true;
            }))
            return false;
        if (! checkId (node, slot) || ! checkChildren (node, Tags::mode, MyConf::numOfModes, "modes"))
            return false;

        for (mode = 1; mode <= MyConf::numOfModes; ++mode)
            if (! checkMode (node.getChild (mode - 1)))
                return false;
        return true;
    }

    bool checkMode (const juce::ValueTree& node)
    {
        cid = -1;
        const auto slug = CtlMode::slugForType (mode);
        if (! checkProperties (node, [&] (const juce::Identifier& name, const juce::var& v) {
                if (name == Tags::id)
                    return checkInt (name, v, mode, mode);
                if (name == Tags::mode && v.toString() != slug)
                    return fail (quoted (name) + " is " + quoted (v.toString()) + ", must be " + quoted (slug), false);
                return true;
            }))
            return false;
        if (! checkId (node, mode) || ! checkChildren (node, Tags::ctl, MyConf::numOfCtlNodes, "controls"))
            return false;

        for (cid = 1; cid <= MyConf::numOfCtlNodes; ++cid)
            if (! checkControl (node.getChild (cid - 1)))
                return false;
        return true;
    }

    bool checkControl (const juce::ValueTree& node)
    {
        if (! checkProperties (node, [this] (const juce::Identifier& name, const juce::var& v) { return checkControlProperty (name, v); }))
            return false;
        if (! checkId (node, cid))
            return false;
        if (node.getNumChildren() > 0)
            return fail ("has " + juce::String (node.getNumChildren()) + " child elements, must have none", false);
        if (node.hasProperty (Tags::value))
            return checkValue (node.getProperty (Tags::valueType).toString(), node.getProperty (Tags::value));
        return true;
    }

    bool checkControlProperty (const juce::Identifier& name, const juce::var& v)
    {
        if (name == Tags::id)
            return checkInt (name, v, cid, cid);
        if (name == Tags::kind)
            return checkSlug (name, v, kindSlugs());
        if (name == Tags::valueType)
            return checkSlug (name, v, valueTypeSlugs());
        if (name == Tags::type)
            return checkSlug (name, v, msgTypeSlugs());
        if (name == Tags::value)
            return wholeNumber (v) ? true : fail (quoted (name) + " is " + quoted (v.toString()) + ", must be a whole number", false);
        if (name == Tags::chan)
            return checkInt (name, v, 0, 16);
        if (name == Tags::key || name == Tags::key2 || name == Tags::key3)
            return checkInt (name, v, -1, 127);
        if (name == Tags::rotate)
            return checkInt (name, v, 0, 2);
        if (name == Tags::val1 || name == Tags::val2)
            return checkInt (name, v, -1, 127);
        if (isModifierFlag (name))
            return checkFlag (name, v);
        if (name == Tags::lockBy)
            return checkLockBy (name, v);
        if (name == Tags::name)
            return checkName (name, v.toString());
        return true;
    }

    bool checkLockBy (const juce::Identifier& name, const juce::var& v)
    {
        const auto lock = wholeNumber (v);
        if (! lock)
            return fail (quoted (name) + " is " + quoted (v.toString()) + ", must be a whole number", false);
        if (*lock == MyConf::CidNil)
            return true;
        if (! controlIsLcdButton (cid))
            return fail (quoted (name) + " is " + juce::String (*lock) + ", must be 0: only LCD buttons are locked", false);

        const int column = (cid - firstLcdCid) % lcdColumns;
        if (controlIsLcdButton (*lock) && (*lock - firstLcdCid) % lcdColumns == column)
            return true;

        juce::StringArray group;
        for (int c = firstLcdCid + column; c <= lastLcdCid; c += lcdColumns)
            group.add (juce::String (c));
        return fail (quoted (name) + " is " + juce::String (*lock) + ", must be 0 or an LCD button of the same column ("
                         + group.joinIntoString (", ") + ")",
                     false);
    }

    bool checkName (const juce::Identifier& name, const juce::String& text)
    {
        for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
            if (*p < 32 || *p > 126)
                return fail (quoted (name) + " " + quoted (text) + " holds a character other than printable ASCII (code "
                                 + juce::String ((int) *p) + ")",
                             false);
        const int length = text.length();
        if (length > MyConf::maxNameLength)
            return fail (quoted (name) + " " + quoted (text) + " is " + juce::String (length) + " characters long, must be at most "
                             + juce::String (MyConf::maxNameLength),
                         false);
        return true;
    }

    // What the value means follows the value type: a Mackie note, a MIDI number or a HUI function.
    bool checkValue (const juce::String& valueType, const juce::var& v)
    {
        const CtlValueType vt (valueType);
        const bool hui = ! CtlMode (mode).isMack();

        if (vt == CtlValueType::midi || (vt == CtlValueType::func && ! hui))
            return checkInt (Tags::value, v, 0, 127);

        if (vt == CtlValueType::func || vt == CtlValueType::hui)
        {
            // The encoder looks a "hui" value up among the button functions in every mode.
            const int kind = hui ? ctlTypeForCid (cid) : (int) CtlType::button;
            const int count = Defa::getNumOfFuncs (CtlMode::proTools, kind);
            const int n = wholeNumber (v).value_or (-1);
            if (n < 0 || n >= count)
                return fail (quoted (Tags::value) + " is " + juce::String (n) + ", must be a HUI " + CtlType::slugForType (kind)
                                 + " function " + rangeText (0, count - 1),
                             false);
        }
        return true;
    }

    juce::Result result = juce::Result::ok();
    int slot = -1, mode = -1, cid = -1;
    juce::Array<juce::Identifier> names; // of the node being checked, reused
};
} // namespace

juce::Result validateMappingTree (const juce::ValueTree& root) { return Checker().checkTree (root); }

juce::Result mappingFromXml (const juce::XmlElement& xml, juce::ValueTree& tree)
{
    auto r = Checker().checkText (xml);
    if (r.failed())
        return r;
    auto candidate = juce::ValueTree::fromXml (xml);
    r = validateMappingTree (candidate);
    if (r.wasOk())
        tree = candidate;
    return r;
}
} // namespace NsDorna
