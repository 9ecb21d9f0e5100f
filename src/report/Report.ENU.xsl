<?xml version="1.0" encoding="UTF-8"?>
<!-- The report's page in English: the structure of ReportPage.xsl with the words of Words.en.xsl. A lab may restyle either. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:import href="ReportPage.xsl"/>
  <xsl:include href="Words.en.xsl"/>
</xsl:stylesheet>
