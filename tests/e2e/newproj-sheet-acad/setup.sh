printf 'style sheet' > resources/style_sheets/KLV-13000-C000.dwg
