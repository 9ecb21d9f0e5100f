<?xml version="1.0" encoding="UTF-8"?>
<!-- A batch's index page in English: the structure of BatchIndexPage.xsl with the words of Words.en.xsl. A lab may restyle either. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:import href="BatchIndexPage.xsl"/>
  <xsl:include href="Words.en.xsl"/>
</xsl:stylesheet>
