// What a view needs from the frame that owns it: the settings and the day the
// user is looking at. The main frame implements it.
#pragma once

#include "settings/Settings.h"
#include "pim/time/TimeValue.h"

class ViewHost {
public:
    virtual const Settings& GetSettings() const = 0;
    virtual TimeValue GetCurrentDate() const = 0;
    // Sets the current date and the week around it.
    virtual void SetCurrentDate(TimeValue date) = 0;

protected:
    ~ViewHost() = default;
};
