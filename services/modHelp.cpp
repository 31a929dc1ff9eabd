#include "modHelp.h"

#include "KinmatchConfig.h"

namespace modHelp {

QString MainSite()
{
    return QStringLiteral(KINMATCH_MAIN_SITE);
}
QString HelpSite()
{
    return QStringLiteral(KINMATCH_HELP_SITE);
}
QString ProgramSite()
{
    return QStringLiteral(KINMATCH_PROGRAM_SITE);
}

QString MainSiteForDisplay()
{
    QString address = MainSite();
    const qsizetype scheme = address.indexOf(QLatin1String("://"));
    return scheme < 0 ? address : address.mid(scheme + 3);
}

void OpenWebPage(kinmatch::Platform& platform, const QString& address)
{
    platform.openWebAddress(address);
}

void OpenHomePage(kinmatch::Platform& platform)
{
    OpenWebPage(platform, MainSite());
}

void OpenSoftwareCatalogue(kinmatch::Platform& platform)
{
    OpenWebPage(platform, MainSite() + QLatin1String("/quorvanesoftwares"));
}

void OpenDonationPage(kinmatch::Platform& platform)
{
    OpenWebPage(platform, HelpSite() + QLatin1String("/donate.html"));
}

void OpenOnlineHelp(kinmatch::Platform& platform)
{
    OpenWebPage(platform, ProgramSite() + QLatin1String("/kinmatch-help.html"));
}

void OpenFullBrandingOffer(kinmatch::Platform& platform)
{
    OpenWebPage(platform, HelpSite() + QLatin1String("/fully-branded.html"));
}

void OpenCoBrandingOffer(kinmatch::Platform& platform)
{
    OpenWebPage(platform, HelpSite() + QLatin1String("/co-brand.html"));
}

void OpenDownloadPage(kinmatch::Platform& platform)
{
    OpenWebPage(platform, ProgramSite() + QLatin1String("/download-kinmatch.html"));
}

} // namespace modHelp
