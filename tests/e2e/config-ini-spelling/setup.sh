# The file written by hand: names in other case, blanks and tabs before the
# keys, quoted values, comments, a first [Paths] that wins over a second one,
# LF line ends and no line end at the very end.
{
    printf '; TRV configuration\n'
    printf 'ResourcePath=/nowhere\n'
    printf '  [paths]\n'
    printf '\tRESOURCEPATH = "%s/resources\\"  \n' "$W"
    printf '  projectpath\t=  %s/projects\\\n' "$W"
    printf ';ProjectPath=/nowhere\n'
    printf "IndividualTemplatePath='%s/templates'\n" "$W"
    printf 'SheetTemplatePath=%s/sheet_templates\n' "$W"
    printf 'ResourceCopyDestPath=%s/delivery\n' "$W"
    printf 'ResourceCopyDestPath=/nowhere\n'
    printf 'Velunor=\n'
    printf 'dispcreateprojbtn=On\n'
    printf 'OpenInAutoCAD=%s/bin/acad\n' "$W"
    printf '[Other]\n'
    printf 'DispNCSBtn=1\n'
    printf '[Paths]\n'
    printf 'DispNCSBtn=1'
} > "$W/trv.ini"
