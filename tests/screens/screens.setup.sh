# The delivery window names its destination: the demo office's, as the
# front end's own system writes it ($TRV_DEMO_DELIVERY), rather than the
# folder of the machine that takes the pictures. Nothing is copied there.
: "${TRV_DEMO_DELIVERY:?the delivery folder to show}"
sed -i "s|^ResourceCopyDestPath=.*|ResourceCopyDestPath=${TRV_DEMO_DELIVERY//\\/\\\\}\r|" trv.ini
