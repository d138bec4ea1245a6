set -e
out=delivery/klv2contractor/klv_resources/Standard_documents
[ "$(cat $out/A.txt)" = upper ]
[ "$(cat $out/Sub/one.txt)" = one ]
[ "$(cd $out && find . | sort | tr '\n' ' ')" = ". ./A.txt ./Sub ./Sub/one.txt " ]
