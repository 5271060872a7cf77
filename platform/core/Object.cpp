#include "platform/core/Object.h"

#include "platform/core/Exception.h"

#include <string>

void TPersistent::Assign(const TPersistent& source)
{
    source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const
{
    throw EConvertError(std::string("Cannot assign a ") + ClassName() + " to a " + dest.ClassName());
}
