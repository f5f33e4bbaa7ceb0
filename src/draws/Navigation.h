#pragma once

class Session;

// The draw bar's arrows. "Previous" is the draw dated exactly one draw rhythm before the selected date
// (the newest draw when there is none); "next" is the record after the current one. With "Main Draw
// only", records without bonus are stepped over. Both end with the complete check.
void previousDraw(Session& session);
void nextDraw(Session& session);
