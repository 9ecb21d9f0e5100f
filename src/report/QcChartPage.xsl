<?xml version="1.0" encoding="UTF-8"?>
<!--
  The structure of the control charts' page: turns the QC document (Document: program, range, created, qc)
  into one XHTML page, printable on A4 landscape, its charts drawn by the templates of QcCharts.xsl and its
  words left to the variables qc.* of a words file. QcChart.xsl (Russian, Words.ru.xsl) and QcChart.ENU.xsl
  (English, Words.en.xsl) are made of the three when the program is built; a lab may restyle them;
  oxycalc-cli takes them from the folder of the report stylesheet.
-->
<xsl:stylesheet version="1.0"
                xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns="http://www.w3.org/1999/xhtml">

  <xsl:output method="xml" encoding="UTF-8" indent="no" omit-xml-declaration="yes"/>
  <xsl:strip-space elements="*"/>

  <xsl:template match="/">
    <html>
      <head>
        <meta http-equiv="Content-Type" content="text/html; charset=UTF-8"/>
        <title><xsl:value-of select="$qc.page-title"/></title>
        <style type="text/css">
          @page { size: A4 landscape; margin: 12mm; }
          body { font: 10pt/1.35 Arial, "DejaVu Sans", sans-serif; color: #000; }
          @media screen { body { margin: 12mm; } }
          h1 { font-size: 13pt; }
          .range { margin: 0 0 2mm 0; }
          .foot { font-size: 8pt; color: #555; margin-top: 3mm; }
          <xsl:call-template name="qc-style"/>
        </style>
      </head>
      <body>
        <h1><xsl:value-of select="$qc.page-heading"/></h1>
        <xsl:for-each select="Document">
          <p class="range"><xsl:value-of select="concat($qc.range, range, $qc.made, created, '.')"/></p>
          <xsl:apply-templates select="qc" mode="qc"/>
          <p class="foot"><xsl:value-of select="concat($qc.calculated-by, program/name, ' ', program/version, '.')"/></p>
        </xsl:for-each>
      </body>
    </html>
  </xsl:template>

</xsl:stylesheet>
