#pragma once

#include "listing.h"

namespace obzorka::server {

// Carries what guides already hold from the listings served so far into freshly read ones: a
// programme whose start moved by up to three hours on the same station and broadcast day, with the
// same title, keeps its id, so a guide moves it rather than showing it twice; every programme whose
// contents differ from what was served under its id (text, flags, times) joins the changes, as do
// the changes served before whose ids are still there, in their new form.
void carryOver(const Listings& previous, Listings* fresh);

} // namespace obzorka::server
