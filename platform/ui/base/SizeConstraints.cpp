#include "platform/ui/base/SizeConstraints.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/base/Control.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TSizeConstraints);

void TSizeConstraints::Publish(TClassBuilder<TSizeConstraints>& c)
{
    c.Property("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
    c.Property("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
    c.Property("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0);
    c.Property("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

namespace {

// Sets one limit; the partner moves along when they would cross.
bool SetLimit(int& limit, int& partner, int value, bool isMaximum)
{
    value = std::max(value, 0);
    if (limit == value) return false;
    limit = value;
    if (value > 0 && partner > 0 && (isMaximum ? partner > value : partner < value)) partner = value;
    return true;
}

}  // namespace

void TSizeConstraints::SetMinWidth(int value)
{
    if (SetLimit(m_minWidth, m_maxWidth, value, false)) Changed();
}

void TSizeConstraints::SetMinHeight(int value)
{
    if (SetLimit(m_minHeight, m_maxHeight, value, false)) Changed();
}

void TSizeConstraints::SetMaxWidth(int value)
{
    if (SetLimit(m_maxWidth, m_minWidth, value, true)) Changed();
}

void TSizeConstraints::SetMaxHeight(int value)
{
    if (SetLimit(m_maxHeight, m_minHeight, value, true)) Changed();
}

int TSizeConstraints::Constrain(int size, int minimum, int maximum)
{
    if (maximum > 0) size = std::min(size, maximum);
    if (minimum > 0) size = std::max(size, minimum);
    return size;
}

int TSizeConstraints::ConstrainWidth(int width) const
{
    return Constrain(width, m_minWidth, m_maxWidth);
}

int TSizeConstraints::ConstrainHeight(int height) const
{
    return Constrain(height, m_minHeight, m_maxHeight);
}

void TSizeConstraints::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TSizeConstraints*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (m_minWidth == other->m_minWidth && m_minHeight == other->m_minHeight && m_maxWidth == other->m_maxWidth &&
        m_maxHeight == other->m_maxHeight) {
        return;
    }
    m_minWidth = other->m_minWidth;
    m_minHeight = other->m_minHeight;
    m_maxWidth = other->m_maxWidth;
    m_maxHeight = other->m_maxHeight;
    Changed();
}

void TSizeConstraints::Changed()
{
    if (m_control) m_control->ConstraintsChanged();
    if (OnChange) OnChange(this);
}
