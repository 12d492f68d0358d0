#pragma once
// The maker's web server and support address: the one place the list pages'
// links and the About page take them from. The project has no web home yet,
// so the host lies under the reserved example.org domain: a click never
// opens a third party's site.
constexpr const char kMakerHost[] = "www.example.org";
constexpr const char kSupportEmail[] = "support@example.org";
