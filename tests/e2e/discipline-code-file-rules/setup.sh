# Two records for "Floor Plan": the last one counts. No record for "Road Plan".
printf '"Floor Plan","FP"\r\n"Legend","LG"\r\n"Floor Plan","XX"\r\n' > resources/vb_server/modelfilescodes.txt
