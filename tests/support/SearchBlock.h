#pragma once

#include <QString>

// The search-bar block as typed in by hand from the table of its fifteen lines.
inline const QString kSearchBlock = QStringLiteral(
    "<!-- Search Google -->\r\n"
    "<center>\r\n"
    "<FORM method=GET action=\"http://www.google.com/search\">\r\n"
    "<input type=hidden name=ie value=UTF-8>\r\n"
    "<input type=hidden name=oe value=UTF-8>\r\n"
    "<TABLE bgcolor=\"#FFFFFF\"><tr><td>\r\n"
    "<A HREF=\"http://www.google.com/\">\r\n"
    "<IMG SRC=\"http://www.google.com/logos/Logo_40wht.gif\" \r\n"
    "border=\"0\" ALT=\"Google\" align=\"absmiddle\"></A>\r\n"
    "<INPUT TYPE=text name=q size=25 maxlength=255 value=\"\">\r\n"
    "<INPUT type=submit name=btnG VALUE=\"Google Search\">\r\n"
    "</td></tr></TABLE>\r\n"
    "</FORM>\r\n"
    "</center>\r\n"
    "<!-- Search Google -->\r\n");
