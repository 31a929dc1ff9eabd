#pragma once

// The web pages Kinmatch opens, all through OpenWebPage and the platform's browser hand-off.

#include "Platform.h"

#include <QString>

namespace modHelp {

// The three sites, fixed when the program is built.
QString MainSite();    // the maker's community site; its root is the home page
QString HelpSite();    // the maker's help and offers site
QString ProgramSite(); // this program's own site

void OpenWebPage(kinmatch::Platform& platform, const QString& address);

void OpenHomePage(kinmatch::Platform& platform);
void OpenSoftwareCatalogue(kinmatch::Platform& platform);
void OpenDonationPage(kinmatch::Platform& platform);
void OpenOnlineHelp(kinmatch::Platform& platform);
void OpenFullBrandingOffer(kinmatch::Platform& platform);
void OpenCoBrandingOffer(kinmatch::Platform& platform);
void OpenDownloadPage(kinmatch::Platform& platform);

// The home page's address without its scheme, as captions show it: "www.quorvane.example".
QString MainSiteForDisplay();

} // namespace modHelp
