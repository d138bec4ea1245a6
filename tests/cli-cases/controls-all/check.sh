# Every window, and the control a script presses for the user codes.
set -e
for w in Form1 frmHyperLnkMsg frmArchitecture frmLegElev frmSections frmOtherDiscip frmfacilprojcode frmTextScale frmCopyRes; do
    grep -q "^$w \"" "$W/stdout.raw"
done
grep -qx '  cmdcode12  button  "Press for User Codes"' "$W/stdout.raw"
grep -qx '  frmSections.Command1  button  "Apply"' "$W/stdout.raw"
