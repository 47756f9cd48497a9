// The program's string table. Texts are UTF-8; ids 104 and 121 are deliberately absent.
#include "strings.h"

#include <algorithm>

namespace {

struct StringEntry
{
    unsigned id;
    std::string_view text;
};

constexpr StringEntry kStringTable[] = {
    {101, "&About Tabloom..."},
    {102, "Please fill in the data."},
    {103, "You need at least two categories."},
    {105, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<db>\n%s\n</db>"},
    {106,
     "<HTML>\n<HEAD>\n<LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"db.css\" />\n"
     "<SCRIPT language=\"JavaScript\" src='findT.js'></SCRIPT>\n</HEAD>\n"
     "<BODY onload=\"textbox.focus();\">\n<![if IE 4]>\nYour web browser is Internet Explorer 4. Please update!\n"
     "<![endif]>\n\n\n<center>\n\n<!-- Search Box is here -->\n<DIV align=\"center\">\n"
     "<LABEL FOR=\"oCtrlID\" ACCESSKEY=\"S\" CLASS=\"NOTE\" id=en>\n"},
    {107, "\n<dbparent>\n%s\n</dbparent>\n"},
    {108, "<fld1>%s</fld1>\n"},
    {109, "<fld2>%s</fld2>\n"},
    {110, "<fld3>%s</fld3>\n"},
    {111, "<fld4>%s</fld4>"},
    {112,
     "<db>\n<xsl:for-each order-by=\"+ fld%s\" select=\"dbparent\" xmlns:xsl=\"http://www.w3.org/TR/WD-xsl\">\n"
     "<dbparent>\n<fld1><xsl:value-of select=\"fld1\"/></fld1>\n<fld2><xsl:value-of select=\"fld2\"/></fld2>\n"
     "<fld3><xsl:value-of select=\"fld3\"/></fld3>\n<fld4><xsl:value-of select=\"fld4\"/></fld4>\n"
     "</dbparent>\n</xsl:for-each>\n</db>"},
    {113,
     "BODY\n{\nborder: 0.05cm dotted lightsteelblue;\nfont: 14px MS Sans Serif;\n"
     "}\nTABLE\n{\nborder: 0.06cm dotted mistyrose;\n\tfont: 600 8px MS Sans Serif;\n"
     "margin-top:0.2cm;\n}\nTD\n {\nbackground-color:floralwhite;\n"
     "border: 0.08cm double gainsboro;\ncolor:seagreen;\n}\nTH\n"},
    {114,
     "{\nbackground-color:seagreen;\nborder: 0.2cm dashed gainsboro;\n"
     "color:snow;\n}\nINPUT\n{\nborder: 0.01cm dashed khaki;\nfont: 600 8px MS Sans Serif;\n"
     "color:dimgray;\ncursor:hand;\n}\n#td0{color:darkorange;}\n#td1{color:darkblue;border: 0.03cm dashed khaki;background-color:lightyellow;}\n"
     "#td2{color:darkred;}\n#td3{color:gray;border: 0.03cm dashed khaki;background-color:lightyellow;}\n"},
    {115, "#table1{width:700;}\n#inp{color:white;background-color:seagreen;border:0;}\n#en{color:gray;}\n"},
    {116,
     "Place the word you want to search then click on Search to jump.<BR>\n"
     "(Press Alt+<SPAN style=\"font-weight:bold;text-decoration:underline;\">S</SPAN> to set focus to the text box below.)\n"
     "</LABEL>\n"},
    {117,
     "<BR>\n<SPAN style=\"color:black;font-weight:bold;text-decoration:underline;\">S</SPAN>\n"
     "earch <INPUT TYPE=TEXT NAME=\"textbox\" TABINDEX=0 ID=\"oCtrlID\" onkeypress=\"okd();\" onfocus=\"mycnt=NULL;\"  style=\"cursor:default;\">\n"
     "<INPUT TYPE=submit ID=btnSearch VALUE=\"Search\" onclick=\"exSearch();\" TABINDEX=1>\n"
     "</DIV>\n<!-- Search Box is Over -->\n\n"},
    {118,
     "<XML id=xmldso></XML>\n<XML id=by1 src=\"by1.xsl\"></XML>\n<XML id=by2 src=\"by2.xsl\"></XML>\n"
     "<XML id=by3 src=\"by3.xsl\"></XML>\n<XML id=by4 src=\"by4.xsl\"></XML>\n"
     "\n<SCRIPT>\nxmldso.async = false;\nxmldso.load(\"db.xml\");\n"},
    {119, "var xmldoc = xmldso.cloneNode(true);\n\nfunction "},
    {120,
     "sort(xsldoc){\n\nxmldoc.documentElement.transformNodeToObject(xsldoc.documentElement,xmldso.XMLDocument);\n"
     "syncChanges();\n}\n\n"},
    {122,
     "function syncChanges(){\nfor (var i=0;i<xmldso.documentElement.childNodes.length;i++)\n"
     "{\nvar currentNode = "},
    {123,
     "xmldso.documentElement.childNodes(i).cloneNode(true);\nvar query = \"dbparent[. = '\" + currentNode.childNodes.item(0).text + \"']\";\n"},
    {124,
     "var origNode = xmldoc.documentElement.selectSingleNode(query);\n"
     "if (currentNode != origNode)\n{\nxmldoc.documentElement.replaceChild(currentNode,origNode);\n"
     "}\n}\n}\n</SCRIPT>\n"},
    {125,
     "<P>\n<span id=en>(Click on the <U>header name</U> to sort.)</span>\n"
     "<TABLE DATASRC='#xmldso' CELLPADDING=3 id=table1>\n<THEAD>\n<TH><INPUT TYPE=BUTTON VALUE=\"%s\" onclick=\"sort(by1.XMLDocument);\" id=inp></TH>\n"},
    {126, "<TH><INPUT TYPE=BUTTON VALUE=\"%s\" onclick=\"sort(by2.XMLDocument);\" id=inp></TH>\n<TH>"},
    {127,
     "<TR>\n<TD id=td3><SPAN DATAFLD=\"fld1\" %s></SPAN></TD>\n<TD id=td0><SPAN DATAFLD=\"fld2\" %s></SPAN></TD>\n"
     "<TD id=td1>"},
    {128,
     "<SPAN DATAFLD=\"fld3\" %s></SPAN></TD>\n<TD id=td0><SPAN DATAFLD=\"fld4\" %s></SPAN></TD>\n"
     "</TR>\n</TABLE>\n\n</center>\n<P><BR>\n\n</BODY>\n</HTML>"},
    {129,
     "var mycnt;\nvar mi;\nvar oRange;\nfunction exSearch()\n{\noRange = document.body.createTextRange();\n"
     "\nif (mycnt == null)\n{\na = oRange.findText(textbox.value,0,0);\n"
     "}\nelse\n{\noRange.moveToBookmark(mycnt);\noRange.collapse(false);\n"
     "a = "},
    {130,
     "oRange.findText(textbox.value);\n}\nif (a == false)\n{\noRange.collapse(false);\n"
     "alert(\"No (more) matches!\");\ndocument.selection.empty();\n"
     "mycnt = null;\nmi = 0;\n}\nelse\n{\noRange.select();\nmycnt = oRange.getBookmark();\n"
     "mi = mi +1;\n}\n}\n"},
    {131, "<INPUT TYPE=BUTTON VALUE=\"%s\" onclick=\"sort(by3.XMLDocument);\" id=inp></TH>\n<TH>"},
    {132, "<INPUT TYPE=BUTTON VALUE=\"%s\" onclick=\"sort(by4.XMLDocument);\" id=inp></TH>\n</THEAD>\n"},
    {133, "onmouseover=\"fom(this);\" onclick=\"jumplink(this.innerText);\""},
    {134,
     "<SCRIPT>\nvar adornot;\nfunction jumplink(jAd)\n{\nif (adornot == 'Yes')\n"
     "{\ndocument.location.href=jAd;\n"},
    {135,
     "adornot = 'No';\n}\n}\nfunction fom(om)\n{\nvar tmp, tmp2;\ntmp = om.innerText;\n"
     "tmp2 = tmp.substring(0,3);"},
    {136,
     "\nif (tmp2 == 'htt' || tmp2 == 'ftp')\n{\nom.style.cursor='hand';\n"
     "adornot = 'Yes';\n}\nelse\n{\nadornot = 'No';\n}\nreturn 0;\n"
     "}\n</SCRIPT>\n"},
    {137, "Out of memory."},
    {138, "These files were not written:"},
    {139, "%s: %s"},
};

} // namespace

namespace res {

std::string_view LoadResourceString(unsigned id)
{
    const auto* entry = std::find_if(std::begin(kStringTable), std::end(kStringTable),
                                     [id](const StringEntry& candidate) { return candidate.id == id; });
    return entry == std::end(kStringTable) ? std::string_view() : entry->text;
}

} // namespace res
