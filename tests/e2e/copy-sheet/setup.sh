printf 'style sheet C000\r\n\000' > resources/style_sheets/KLV-13000-C000.dwg
printf 'style sheet PB00' > resources/style_sheets/KLV-21400-PB00.dwg
