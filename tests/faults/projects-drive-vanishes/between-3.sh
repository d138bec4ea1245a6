# Nothing was made where the drive was; then the drive comes back.
[ ! -e projects ]
mv projects.away projects
