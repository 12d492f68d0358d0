#pragma once
// The maker's web server and support address: the one place the list pages'
// links and the About page take them from (the host also for the resource
// script, which shows it as the About page's site link). The project has no
// web home yet, so the host lies under the reserved example.org domain: a
// click never opens a third party's site.
#define TV_MAKER_HOST "www.example.org"

#ifndef RC_INVOKED
constexpr const char kMakerHost[] = TV_MAKER_HOST;
constexpr const char kSupportEmail[] = "support@example.org";
#endif
